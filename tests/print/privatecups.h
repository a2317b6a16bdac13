// A print system of the test's own: a CUPS scheduler that listens only on a
// socket in a temporary folder (its configuration, spool and logs are there
// too), with cups-pdf queues that write their PDF files into that folder.
// While it runs, the program is pointed at it through CUPS_SERVER, as a
// user's environment would; the machine's own print system is never asked.
//
//   PrivateCups cups;
//   ASSERT_TRUE(cups.start()) << cups.error();
//   ASSERT_TRUE(cups.addPdfQueue("A")) << cups.error();
//   ... print ...
//   const auto jobs = cups.waitForJobs("A", 1);
//   QString pdf = cups.outputFile(jobs[0].name);
//
// The destructor (so also a failed test) stops the scheduler, removes the
// queues' cups-pdf configuration files and their output, and points the
// program back at no print system. The scheduler also ends with the test
// process. cups-pdf runs only as root: unavailableReason() says so
// elsewhere.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Why no private print system can run here; "" when it can.
    static QString unavailableReason();

    // Starts the scheduler (again, after stop()) and waits until it
    // answers; points the program at it. False with error() on failure.
    bool start();
    // Ends the scheduler, as a print system that went away; the program
    // stays pointed at its socket.
    void stop();

    // A queue name unique to this test process for `name`: "A" ->
    // "tallicor_4711_A". Every other call takes the short name.
    QString queue(const QString& name) const;
    // Adds a cups-pdf queue writing into this folder; lpadmin `options` are
    // added as they are (e.g. {"-o", "orientation-requested-default=4"}).
    bool addPdfQueue(const QString& name, const QStringList& options = {});
    // Runs a command of the print system against it (lpadmin, cupsaccept,
    // cupsreject ...); "%A" in an argument stands for queue("A").
    bool run(const QString& program, QStringList arguments);

    struct Job {
        int id = 0;
        QString name;          // job-name
        int state = 0;         // job-state (9 completed)
        QString stateMessage;  // job-printer-state-message
        QString orientation;   // orientation-requested as sent
        QString media;         // media as sent
    };
    // Waits until the queue has `count` jobs and every one of them has ended
    // (completed, stopped, cancelled or aborted), then gives them in job
    // order; what there is after the wait's limit otherwise.
    std::vector<Job> waitForJobs(const QString& name, int count);
    // The PDF file cups-pdf wrote for a job name ("" when there is none).
    QString outputFile(const QString& jobName) const;

    QString error() const { return m_error; }

private:
    bool fail(const QString& what);
    QString path(const QString& relative) const;
    QString logTail() const;

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    QStringList m_configs;        // cups-pdf configuration files written
    mutable QStringList m_outputs;   // output files found outside the folder (removed at the end)
    QByteArray m_savedServer;
    bool m_hadServer = false;
    QString m_error;
};
