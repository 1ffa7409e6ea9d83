#include "platform/cupsjobs.h"

#include <QLoggingCategory>
#include <cstring>
#include <cups/cups.h>
#include <memory>

Q_LOGGING_CATEGORY(lcCups, "taudrin.printing.cups")

namespace {
struct FreeDest {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct FreeDestInfo {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct FreeIpp {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

bool failed(ipp_status_t status) {
    return status > IPP_STATUS_OK_CONFLICTING;
}

// printer-is-accepting-jobs as CUPS lists it with the queue; a queue that doesn't say accepts.
bool acceptsJobs(const cups_dest_t& dest) {
    const char* value = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    return !value || std::strcmp(value, "false") != 0;
}

// The job's state right after it was handed over; 0 when the server doesn't say.
int jobState(const char* queue, int jobId) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    const std::unique_ptr<ipp_t, FreeIpp> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || failed(ippGetStatusCode(response.get()))) return 0;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    return state ? ippGetInteger(state, 0) : 0;
}
} // namespace

PrintStatus submitPdfToCups(const QString& queue, const QByteArray& pdf, const QString& title) {
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = queue.section(QLatin1Char('/'), 1).toLocal8Bit();
    const std::unique_ptr<cups_dest_t, FreeDest> dest(cupsGetNamedDest(
        CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData()));
    if (!dest) {
        qCWarning(lcCups) << "the queue" << queue << "can't be reached:" << cupsLastErrorString();
        return PrintStatus::Refused;
    }
    if (!acceptsJobs(*dest)) {
        qCWarning(lcCups) << "the queue" << queue << "is not accepting jobs";
        return PrintStatus::Refused;
    }
    const std::unique_ptr<cups_dinfo_t, FreeDestInfo> info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        qCWarning(lcCups) << "the queue" << queue << "can't be reached:" << cupsLastErrorString();
        return PrintStatus::Refused;
    }
    const QByteArray jobTitle = title.toUtf8();
    int jobId = 0;
    const ipp_status_t created = cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest.get(), info.get(), &jobId,
                                                   jobTitle.constData(), 0, nullptr);
    if (failed(created) || jobId <= 0) {
        qCWarning(lcCups) << "the queue" << queue << "refused the job:" << cupsLastErrorString();
        return PrintStatus::Refused;
    }
    const bool started =
        cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get(), jobId, jobTitle.constData(),
                              CUPS_FORMAT_PDF, 0, nullptr, 1) == HTTP_STATUS_CONTINUE;
    const bool sent = started && cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                                      size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // Once started, the answer is read even after a failed write, for the connection to go on.
    const ipp_status_t finished =
        started ? cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get()) : cupsLastError();
    if (!sent || failed(finished)) {
        qCWarning(lcCups) << "the queue" << queue << "did not take job" << jobId << ":"
                          << cupsLastErrorString();
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest.get(), jobId);
        return PrintStatus::Refused;
    }
    const int state = jobState(dest->name, jobId);
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED) {
        qCWarning(lcCups) << "the queue" << queue << "dropped job" << jobId << "( state" << state << ")";
        return PrintStatus::Refused;
    }
    qCInfo(lcCups) << "job" << jobId << "queued on" << queue << "( state" << state << ")";
    return PrintStatus::Printed;
}
