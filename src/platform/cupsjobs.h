#pragma once
#include "platform/printing.h"

#include <QByteArray>

// Hands a PDF to a CUPS queue as one job and says whether the queue took it: Refused when the
// queue is not accepting jobs, answers the job with an error, can't be reached, or has aborted
// or cancelled the job by the time it was handed over. A queue that holds the job (a paused
// printer) took it. queue: the queue's name, with "/instance" after it for an instance.
PrintStatus submitPdfToCups(const QString& queue, const QByteArray& pdf, const QString& title);
