#pragma once
#include <QObject>
#include <QString>

// The little state every window shares with the main window: which activity was opened last
// (ActivityCode, 0 for none) and whether the speech window was opened from the menu (SpeechFlag).
// The application owns it, so a window that clears the code after the main window was closed
// never loads the main window again.
class SharedState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int ActivityCode() const { return activityCode_; }
    void setActivityCode(int code);
    void clearActivityCode() { setActivityCode(0); }

    int SpeechFlag() const { return speechFlag_; }
    QString speechFlagText() const { return QString::number(speechFlag_); }
    void setSpeechFlag(int flag);

    // The values at start.
    void reset();

Q_SIGNALS:
    void activityCodeChanged(int code);
    void speechFlagChanged(int flag);

private:
    int activityCode_ = 0;
    int speechFlag_ = 0;
};
