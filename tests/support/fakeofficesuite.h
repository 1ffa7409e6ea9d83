#pragma once
#include "platform/officedocument.h"
#include "platform/officesuite.h"

#include <QList>

// Records the documents the windows hand to the office suite.
class FakeOfficeSuite : public OfficeSuite {
public:
    bool open(const OfficeDocument& document) override {
        documents.append(document);
        return answer;
    }

    QList<OfficeDocument> documents;
    bool answer = true; // what open() says
};
