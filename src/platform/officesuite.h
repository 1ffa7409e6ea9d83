#pragma once

class OfficeDocument;

// The office suite: a document opens there as a new untitled document, for the user to edit,
// print or save. Never waits for the program.
class OfficeSuite {
public:
    virtual ~OfficeSuite() = default;
    // Whether the document was handed over: false when it could not be written or no program
    // could be asked to open it.
    virtual bool open(const OfficeDocument& document) = 0;
};
