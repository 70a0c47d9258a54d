#include "platform/qt/cups_paper.h"

#include "platform/qt/cups_queues.h"
#include "platform/qt/print_server.h"
#include "platform/units.h"

namespace vt {
namespace {

// CUPS gives media sizes and margins in hundredths of a millimetre.
double Twips(int hundredthsOfMm) {
    return hundredthsOfMm / 100.0 * kTwipsPerMm;
}

}  // namespace

std::optional<PageMargins> CupsLetterMargins(const std::string& printer) {
    try {
        PrintServer server;
        const CupsDestinations dests(server);
        cups_dest_t* dest = dests.Find(printer);
        if (!dest) return std::nullopt;
        std::optional<PageMargins> margins;
        if (cups_dinfo_t* info = cupsCopyDestInfo(server.Call(), dest)) {
            cups_size_t size = {};
            if (cupsGetDestMediaByName(server.Call(), dest, info, CUPS_MEDIA_LETTER,
                                       CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
                margins = PageMargins{Twips(size.left), Twips(size.top), Twips(size.right),
                                      Twips(size.bottom)};
            }
            cupsFreeDestInfo(info);
        }
        if (server.GaveUp()) return std::nullopt;
        return margins;
    } catch (const PrintServerError&) {
        return std::nullopt;
    }
}

}  // namespace vt
