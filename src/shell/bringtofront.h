#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// Which open activity window the main window hands the focus back to, by ActivityCode.
struct FrontEntry {
    int code;
    const char* window;
};

// Every activity code but 8 (the cube is never brought back), in the order the entries are tried.
// Code 2 names two windows: amaga first, then Form15, which so ends in front when both are open.
const std::array<FrontEntry, 32>& bringToFrontTable();

// The windows to give the focus, in order, while ActivityCode holds code; isOpen says whether a
// window is loaded, visible and enabled. Windows that are not open are skipped, never loaded.
QStringList windowsToFocus(int code, const std::function<bool(const QString&)>& isOpen);
