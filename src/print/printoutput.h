// Where a finished print job goes: a PDF file, or a queue of the print
// system. A job is drawn whole into memory first (PrinterTarget), so nothing
// leaves the program before its last page is done; these functions hand the
// complete PDF on and raise PrintJobError (drawtarget.h) when it cannot go
// where it should, with a message that says what, where and why.
//
//   print::output::writePdfFile("/home/u/Documents/teams.pdf", pdf);
//   print::output::sendToQueue("Office", "チーム識別一覧表_20240501", false, pdf);
#pragma once

#include <QByteArray>
#include <QString>

namespace print::output {

// Replaces the file at `path` with the PDF atomically: the bytes go to a
// hidden temporary file beside it (".teams.pdf.tallicor-AbCdEf"), which is
// synced and renamed over the file only when it was written in full. A failure leaves an earlier file as it was and no
// temporary file; the message names the file's full path and the system's
// reason (a full disk, no permission, a missing folder).
void writePdfFile(const QString& path, const QByteArray& pdf);

// Removes what PDF writes killed between writing and renaming left in the
// folder of `path`: the program's hidden temporary files of PDF writes, and
// nothing else (the folder is the user's: "teams.pdf.backup" stays).
void removePdfLeftovers(const QString& path);

// Sends the PDF to a queue of the print system as one job named `jobName`,
// on A4 paper in the given orientation (sent with every job, so that a
// queue set to the other one does not turn the pages), with the options the
// user keeps for that queue (lpoptions) otherwise. A queue that refuses the
// job (not accepting jobs, deleted, the scheduler gone) raises
// PrintJobError naming the printer and the print system's reason.
void sendToQueue(const QString& queue, const QString& jobName, bool landscape, const QByteArray& pdf);

}  // namespace print::output
