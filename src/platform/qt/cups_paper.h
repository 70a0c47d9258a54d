#pragma once
// What a print server's printer says of letter paper.
#include <optional>
#include <string>

#include "platform/printers.h"

namespace vt {

// The unprintable edges of a portrait letter sheet on the printer, as its driver reports them;
// nullopt when the server does not tell (a raw queue, a server that does not answer).
std::optional<PageMargins> CupsLetterMargins(const std::string& printer);

}  // namespace vt
