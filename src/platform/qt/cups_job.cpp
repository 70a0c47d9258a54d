#include "platform/qt/cups_job.h"

#include <memory>

#include "platform/qt/cups_queues.h"
#include "platform/qt/print_server.h"

namespace vt {
namespace {

struct Options {
    int count = 0;
    cups_option_t* list = nullptr;
    ~Options() { cupsFreeOptions(count, list); }
    void Add(const char* name, const char* value) {
        count = cupsAddOption(name, value, count, &list);
    }
};

// The printer's own options (an instance's, the user's lpoptions), then ours over them.
void TakeDestinationOptions(PrintServer& server, const std::string& printer, Options& options) {
    const CupsDestinations dests(server);
    const cups_dest_t* dest = dests.Find(printer);
    if (!dest) return;  // the job's own answer says what is wrong with the name
    for (int i = 0; i < dest->num_options; ++i) {
        options.Add(dest->options[i].name, dest->options[i].value);
    }
}

void CancelQuietly(const std::string& queue, int job) {
    try {
        PrintServer server;
        cupsCancelJob2(server.Call(), queue.c_str(), job, 0);
    } catch (const PrintServerError&) {
    }
}

// Creates the job, sends the document and closes it; throws PrintServerError with the
// server's reason.
int Send(const std::string& printer, const QByteArray& pdf, PaperOrientation orientation,
         const std::string& title) {
    const std::string queue = printer.substr(0, printer.find('/'));
    PrintServer server;
    Options options;
    TakeDestinationOptions(server, printer, options);
    options.Add("media", "Letter");
    options.Add("orientation-requested", orientation == PaperOrientation::Landscape ? "4" : "3");
    options.Add("print-scaling", "none");

    const int job =
        cupsCreateJob(server.Call(), queue.c_str(), title.c_str(), options.count, options.list);
    if (job <= 0) throw PrintServerError(server.Failure());
    const auto fail = [&] {
        const std::string why = server.Failure();
        if (!server.GaveUp()) CancelQuietly(queue, job);
        return PrintServerError(why);
    };
    if (cupsStartDocument(server.Call(), queue.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE) {
        throw fail();
    }
    if (cupsWriteRequestData(server.Call(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        throw fail();
    }
    if (cupsFinishDocument(server.Call(), queue.c_str()) > IPP_STATUS_OK_CONFLICTING) {
        throw fail();
    }
    return job;
}

}  // namespace

int SendPdfJob(const std::string& printer, const QByteArray& pdf, PaperOrientation orientation,
               const std::string& title) {
    try {
        return Send(printer, pdf, orientation, title);
    } catch (const PrintServerError& e) {
        throw PrintServerError("the printer " + printer + " did not take the job: " + e.what());
    }
}

}  // namespace vt
