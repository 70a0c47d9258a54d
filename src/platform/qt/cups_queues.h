#pragma once
// The print server's printers: their names in the server's order ("name/instance" for an
// instance the user set up) and the default one. The server's names are UTF-8; the program's
// are its own text, as the settings file stores them.
#include <cups/cups.h>

#include <string>
#include <vector>

namespace vt {

class PrintServer;

// A destination's name as the program's text.
std::string PrinterNameOf(const cups_dest_t& dest);

struct CupsQueues {
    std::vector<std::string> names;
    std::string defaultName;  // "" when the server names none
    std::string problem;      // why the server could not be asked ("" when it answered)
};

CupsQueues ListCupsQueues();

// The server's destinations with the user's options for them, as one answer (asked in one call
// within the server's time limit).
class CupsDestinations {
  public:
    // Throws PrintServerError when the server gives up on the question.
    explicit CupsDestinations(PrintServer& server);
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations&) = delete;
    CupsDestinations& operator=(const CupsDestinations&) = delete;

    int count() const { return count_; }
    const cups_dest_t& at(int i) const { return dests_[i]; }
    // The destination of a printer name ("name" or "name/instance", the program's text);
    // nullptr when none.
    cups_dest_t* Find(const std::string& printer) const;

  private:
    int count_ = 0;
    cups_dest_t* dests_ = nullptr;
};

}  // namespace vt
