#include "core/sharedstate.h"

void SharedState::setActivityCode(int code) {
    if (code == activityCode_) return;
    activityCode_ = code;
    Q_EMIT activityCodeChanged(code);
}

void SharedState::setSpeechFlag(int flag) {
    if (flag == speechFlag_) return;
    speechFlag_ = flag;
    Q_EMIT speechFlagChanged(flag);
}

void SharedState::reset() {
    setActivityCode(0);
    setSpeechFlag(0);
}
