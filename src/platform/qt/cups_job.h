#pragma once
// One print job of one PDF document, sent to a printer of the print server on Letter paper in
// the page's own orientation, unscaled and from the paper's corner, whatever the printer's or
// the system's default paper.
#include <QByteArray>
#include <string>

namespace vt {

enum class PaperOrientation { Portrait, Landscape };

// The job's id once the server has accepted the whole document. Throws PrintServerError when
// the server refuses the job, gives it no id, or does not answer in time; a job it had begun
// to take is cancelled then.
int SendPdfJob(const std::string& printer, const QByteArray& pdf, PaperOrientation orientation,
               const std::string& title);

}  // namespace vt
