#include "platform/qt/cups_queues.h"

#include "platform/codepage.h"
#include "platform/qt/print_server.h"

namespace vt {

std::string PrinterNameOf(const cups_dest_t& dest) {
    std::string name = dest.name;
    if (dest.instance) name += std::string("/") + dest.instance;
    return FromUtf8(name);
}

CupsDestinations::CupsDestinations(PrintServer& server) {
    count_ = cupsGetDests2(server.Call(), &dests_);
    // A server without printers answers "not found"; any other failure, or a call given up,
    // is no answer.
    if (server.GaveUp() || (count_ == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
                            cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)) {
        const std::string why = server.Failure();
        cupsFreeDests(count_, dests_);
        throw PrintServerError(why);
    }
}

CupsDestinations::~CupsDestinations() {
    cupsFreeDests(count_, dests_);
}

cups_dest_t* CupsDestinations::Find(const std::string& printer) const {
    for (int i = 0; i < count_; ++i) {
        if (PrinterNameOf(dests_[i]) == printer) return &dests_[i];
    }
    return nullptr;
}

CupsQueues ListCupsQueues() {
    CupsQueues queues;
    try {
        PrintServer server;
        const CupsDestinations dests(server);
        for (int i = 0; i < dests.count(); ++i) {
            const cups_dest_t& dest = dests.at(i);
            std::string name = PrinterNameOf(dest);
            if (dest.is_default) queues.defaultName = name;
            queues.names.push_back(std::move(name));
        }
    } catch (const PrintServerError& e) {
        queues.problem = e.what();
    }
    return queues;
}

}  // namespace vt
