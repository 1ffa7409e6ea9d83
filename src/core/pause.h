#pragma once

class QObject;
struct Services;

// Waits `milliseconds` (scaled by services.pauseScale, in percent) while every window keeps
// painting and timers keep running. The user's clicks and keys made meanwhile are held back and
// reach their windows, in order, only after the caller has finished what follows the pause.
// Returns false when `guard` (as a rule the calling window) was closed or destroyed during the
// pause: the caller must then return at once without touching it.
bool pause(const Services& services, int milliseconds, QObject* guard);
