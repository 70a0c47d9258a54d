#pragma once
// The print jobs of one run on one printer of the print server, each one PDF document on Letter
// paper in the page's own orientation, unscaled and from the paper's corner, whatever the
// printer's or the system's default paper. The connection and the printer's own options are
// taken at the first job and serve every job of the run.
#include <QByteArray>
#include <memory>
#include <string>

#include "platform/qt/print_server.h"

namespace vt {

enum class PaperOrientation { Portrait, Landscape };

class CupsJobs {
  public:
    explicit CupsJobs(std::string printer);  // "queue" or "queue/instance"
    ~CupsJobs();
    CupsJobs(const CupsJobs&) = delete;
    CupsJobs& operator=(const CupsJobs&) = delete;

    // The job's id once the server has accepted the whole document. Throws PrintServerError
    // when the server refuses the job, gives it no id, or does not answer in time; a job it had
    // begun to take is cancelled then.
    int Send(const QByteArray& pdf, PaperOrientation orientation, const std::string& title);

  private:
    void Connect();
    int SendJob(const QByteArray& pdf, PaperOrientation orientation, const std::string& title);
    int CreateJob(PrintServer& server, int optionCount, cups_option_t* options,
                  const std::string& title);

    std::string printer_;
    std::string queue_;
    std::unique_ptr<PrintServer> server_;
    std::string uri_;       // the queue's printer-uri
    std::string resource_;  // and its resource on the server
    int optionCount_ = 0;
    cups_option_t* options_ = nullptr;  // the printer's own (an instance's, the user's lpoptions)
};

}  // namespace vt
