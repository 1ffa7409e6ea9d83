#pragma once
#include <QString>
#include <functional>

class QWidget;
struct Services;

// Before a window's changed work goes (the window closes, or another file takes its place):
// asks whether to save it first. True when the work may go: nothing changed, the user chose not
// to save, or `save` saved it; false when it must stay (Cancel, or a save that did not happen).
bool mayLetWorkGo(Services& services, QWidget* parent, bool changed, const QString& question,
                  const std::function<bool()>& save);

// The question asked: "<work> té canvis que no s'han desat.\nVols desar-<it> abans <when>?",
// as "La carta", "la", "de tancar".
QString unsavedQuestion(const QString& work, const QString& it, const QString& when);

// Whether every one of the texts is empty or blanks only: nothing typed that could be lost.
bool allBlank(const QStringList& texts);
