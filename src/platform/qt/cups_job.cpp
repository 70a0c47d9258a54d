#include "platform/qt/cups_job.h"

#include "platform/codepage.h"
#include "platform/qt/cups_queues.h"

namespace vt {
namespace {

// Our options over the printer's own, for one job.
struct JobOptions {
    int count = 0;
    cups_option_t* list = nullptr;
    JobOptions(int ownCount, const cups_option_t* own) {
        for (int i = 0; i < ownCount; ++i) Add(own[i].name, own[i].value);
    }
    ~JobOptions() { cupsFreeOptions(count, list); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;
    void Add(const char* name, const char* value) {
        count = cupsAddOption(name, value, count, &list);
    }
};

}  // namespace

CupsJobs::CupsJobs(std::string printer)
    : printer_(std::move(printer)), queue_(ToUtf8(printer_.substr(0, printer_.find('/')))) {}

CupsJobs::~CupsJobs() {
    cupsFreeOptions(optionCount_, options_);
}

void CupsJobs::Connect() {
    server_ = std::make_unique<PrintServer>();
    const CupsDestinations dests(*server_);
    // A name the server does not know: the job's own answer says what is wrong with it.
    const cups_dest_t* dest = dests.Find(printer_);
    for (int i = 0; dest && i < dest->num_options; ++i) {
        optionCount_ =
            cupsAddOption(dest->options[i].name, dest->options[i].value, optionCount_, &options_);
    }
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue_.c_str());
    const char* supported =
        dest ? cupsGetOption("printer-uri-supported", dest->num_options, dest->options) : nullptr;
    uri_ = supported ? supported : uri;
    // The request goes to the queue's own resource ("/printers/NAME" or "/classes/NAME").
    char scheme[32], user[256], host[256], resource[1024];
    int port = 0;
    resource_ =
        httpSeparateURI(HTTP_URI_CODING_ALL, uri_.c_str(), scheme, sizeof scheme, user, sizeof user,
                        host, sizeof host, &port, resource, sizeof resource) >= HTTP_URI_STATUS_OK
            ? resource
            : "/printers/" + queue_;
}

int CupsJobs::Send(const QByteArray& pdf, PaperOrientation orientation, const std::string& title) {
    try {
        if (!server_) Connect();
        return SendJob(pdf, orientation, title);
    } catch (const PrintServerError& e) {
        throw PrintServerError("the printer " + printer_ + " did not take the job: " + e.what());
    }
}

// The Create-Job request as cupsCreateJob makes it, without the destination lookup that
// cupsCreateJob does first on a connection of its own, which waits past any time limit. 0 when
// the server gives no job.
int CupsJobs::CreateJob(PrintServer& server, int optionCount, cups_option_t* options,
                        const std::string& title) {
    ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri_.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
    cupsEncodeOptions2(request, optionCount, options, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, optionCount, options, IPP_TAG_JOB);
    ipp_t* response = cupsDoRequest(server.Call(), request, resource_.c_str());
    ipp_attribute_t* id =
        response ? ippFindAttribute(response, "job-id", IPP_TAG_INTEGER) : nullptr;
    const int job = cupsLastError() <= IPP_STATUS_OK_CONFLICTING && id ? ippGetInteger(id, 0) : 0;
    ippDelete(response);
    return job;
}

// Creates the job, sends the document and closes it; throws PrintServerError with the
// server's reason.
int CupsJobs::SendJob(const QByteArray& pdf, PaperOrientation orientation,
                      const std::string& title) {
    PrintServer& server = *server_;
    JobOptions options(optionCount_, options_);
    options.Add("media", "Letter");
    options.Add("orientation-requested", orientation == PaperOrientation::Landscape ? "4" : "3");
    options.Add("print-scaling", "none");

    const int job = CreateJob(server, options.count, options.list, title);
    if (job <= 0) throw PrintServerError(server.Failure());
    const auto fail = [&] {
        const std::string why = server.Failure();
        if (!server.GaveUp()) {
            try {
                cupsCancelJob2(server.Call(), queue_.c_str(), job, 0);
            } catch (const PrintServerError&) {
            }
        }
        return PrintServerError(why);
    };
    if (cupsStartDocument(server.Call(), queue_.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE) {
        throw fail();
    }
    if (cupsWriteRequestData(server.Call(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        throw fail();
    }
    if (cupsFinishDocument(server.Call(), queue_.c_str()) > IPP_STATUS_OK_CONFLICTING) {
        throw fail();
    }
    return job;
}

}  // namespace vt
