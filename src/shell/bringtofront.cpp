#include "shell/bringtofront.h"

const std::array<FrontEntry, 32>& bringToFrontTable() {
    static const std::array<FrontEntry, 32> table{{
        {7, "Form2"},     {1, "formk"},      {2, "amaga"},   {19, "Form14"},      {15, "Form12"},
        {3, "escritors"}, {17, "COMPRAWWW"}, {6, "trobass"}, {100, "palabrejas"}, {18, "form50"},
        {101, "todossi"}, {103, "TATA"},     {104, "dicci"}, {20, "Form4"},       {200, "letrascolores"},
        {300, "Form16"},  {500, "movile"},   {2, "Form15"},  {16, "Form11"},      {21, "Form8"},
        {1000, "Form13"}, {12, "Form3"},     {14, "Form9"},  {700, "cancions"},   {800, "trenta"},
        {9, "Form7"},     {10, "Form61"},    {11, "Form6"},  {5000, "Form10"},    {999, "Form18"},
        {4444, "Form26"}, {44444, "Form17"},
    }};
    return table;
}

QStringList windowsToFocus(int code, const std::function<bool(const QString&)>& isOpen) {
    QStringList out;
    for (const FrontEntry& e : bringToFrontTable()) {
        if (e.code != code) continue;
        const QString name = QString::fromLatin1(e.window);
        if (isOpen(name)) out << name;
    }
    return out;
}
