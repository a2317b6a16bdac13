#include "privatecups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cups/cups.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Long limits for a loaded machine; every wait ends as soon as its
// condition holds.
constexpr int kStartMs = 120000;
constexpr int kCommandMs = 120000;
constexpr int kJobsMs = 180000;

const QString kPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");

// Whether something accepts connections on the socket.
bool answers(const QString& socketPath)
{
    const QByteArray name = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

bool writeFile(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

PrivateCups::PrivateCups()
{
    m_hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_savedServer = qgetenv("CUPS_SERVER");
    // The scheduler's filters run as the user lp: they must reach the spool.
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::ExeOther);
    for (const char* sub : {"spool/tmp", "cache", "state", "log", "out"})
        QDir().mkpath(path(QLatin1String(sub)));
}

PrivateCups::~PrivateCups()
{
    stop();
    for (const QString& f : m_configs + m_outputs)
        QFile::remove(f);
    if (m_hadServer)
        qputenv("CUPS_SERVER", m_savedServer);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);   // the next request reads CUPS_SERVER again
}

QString PrivateCups::unavailableReason()
{
    if (::geteuid() != 0)
        return QStringLiteral("cups-pdf prints only when the scheduler runs as root; run the suite as root (CI does)");
    return QString();
}

QString PrivateCups::path(const QString& relative) const
{
    return m_dir.filePath(relative);
}

bool PrivateCups::fail(const QString& what)
{
    m_error = what;
    return false;
}

QString PrivateCups::logTail() const
{
    QFile f(path(QStringLiteral("log/error_log")));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    return lines.mid(std::max<qsizetype>(0, lines.size() - 30)).join(QLatin1Char('\n'));
}

QString PrivateCups::queue(const QString& name) const
{
    return QStringLiteral("tallicor_%1_%2").arg(QCoreApplication::applicationPid()).arg(name);
}

bool PrivateCups::start()
{
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    if (!QFile::exists(kCupsd) || !QFile::exists(kPdfPpd))
        return fail(QStringLiteral("cups or printer-driver-cups-pdf is not installed (scripts/deps installs them)"));
    const QString socket = path(QStringLiteral("cups.sock"));
    // Only the private socket: no network port, no printer sharing or
    // discovery, no web pages; anyone on the socket may do anything.
    const QString conf = QStringLiteral(
        "Listen %1\n"
        "Browsing No\n"
        "BrowseLocalProtocols none\n"
        "WebInterface No\n"
        "LogLevel debug\n"
        "DefaultAuthType None\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n").arg(socket);
    // Everything the scheduler writes stays in the folder.
    const QString files = QStringLiteral(
        "ServerRoot %1\n"
        "RequestRoot %1/spool\n"
        "TempDir %1/spool/tmp\n"
        "CacheDir %1/cache\n"
        "StateDir %1/state\n"
        "ErrorLog %1/log/error_log\n"
        "AccessLog %1/log/access_log\n"
        "PageLog %1/log/page_log\n"
        "Printcap %1/printcap\n").arg(m_dir.path());
    if (!writeFile(path(QStringLiteral("cupsd.conf")), conf) ||
        !writeFile(path(QStringLiteral("cups-files.conf")), files))
        return fail(QStringLiteral("cannot write the scheduler's configuration"));

    m_cupsd = std::make_unique<QProcess>();
    m_cupsd->setProgram(kCupsd);
    m_cupsd->setArguments({QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                           QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    m_cupsd->setStandardOutputFile(path(QStringLiteral("log/cupsd.out")), QIODevice::Append);
    m_cupsd->setStandardErrorFile(path(QStringLiteral("log/cupsd.out")), QIODevice::Append);
    // The scheduler ends with the test process, also when that one dies.
    m_cupsd->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd->start();
    if (!m_cupsd->waitForStarted(kStartMs))
        return fail(QStringLiteral("cupsd did not start: ") + m_cupsd->errorString());
    const bool ready = QTest::qWaitFor(
        [&] { return m_cupsd->state() == QProcess::NotRunning || answers(socket); }, kStartMs);
    if (m_cupsd->state() == QProcess::NotRunning || !ready)
        return fail(QStringLiteral("cupsd does not answer on its socket:\n") + logTail());
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    cupsSetServer(nullptr);   // drops a connection to an earlier server
    return true;
}

void PrivateCups::stop()
{
    if (!m_cupsd || m_cupsd->state() == QProcess::NotRunning)
        return;
    m_cupsd->terminate();
    if (!m_cupsd->waitForFinished(kCommandMs)) {
        m_cupsd->kill();
        m_cupsd->waitForFinished(kCommandMs);
    }
}

bool PrivateCups::run(const QString& program, QStringList arguments)
{
    static const QRegularExpression shortName(QStringLiteral("%([A-Za-z])"));
    for (QString& a : arguments) {
        QRegularExpressionMatch m = shortName.match(a);
        while (m.hasMatch()) {
            a.replace(m.capturedStart(), m.capturedLength(), queue(m.captured(1)));
            m = shortName.match(a);
        }
    }
    const QString exe =
        QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (exe.isEmpty())
        return fail(program + QStringLiteral(" is not installed"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), path(QStringLiteral("cups.sock")));
    p.setProcessEnvironment(env);
    p.start(exe, arguments);
    if (!p.waitForFinished(kCommandMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return fail(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                    QString::fromLocal8Bit(p.readAllStandardError()));
    return true;
}

bool PrivateCups::addPdfQueue(const QString& name, const QStringList& options)
{
    const QString q = queue(name);
    // cups-pdf reads the configuration of a queue whose device is
    // "cups-pdf:/<q>" from /etc/cups/cups-pdf-<q>.conf: its files go into
    // this folder, named after the job (the queue's TitlePref and Label
    // below; DecodeHexStrings keeps Japanese in the name, as Debian's main
    // configuration does).
    const QString config = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(q);
    m_configs << config;
    if (!writeFile(config, QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\nLog %3\nUserUMask 0022\nDecodeHexStrings 1\n")
                               .arg(path(QStringLiteral("out")), path(QStringLiteral("cups-pdf-spool")),
                                    path(QStringLiteral("log")))))
        return fail(QStringLiteral("cannot write ") + config);
    return run(QStringLiteral("lpadmin"),
               QStringList{QStringLiteral("-p"), q, QStringLiteral("-E"), QStringLiteral("-v"),
                           QStringLiteral("cups-pdf:/") + q, QStringLiteral("-P"), kPdfPpd, QStringLiteral("-o"),
                           QStringLiteral("TitlePref=1"), QStringLiteral("-o"), QStringLiteral("Label=0")} +
                   options);
}

namespace {

std::vector<PrivateCups::Job> jobsOf(const QString& queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char* const wanted[] = {"job-id", "job-name", "job-state", "job-printer-state-message",
                                         "orientation-requested", "media"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    std::vector<PrivateCups::Job> jobs;
    if (!response)
        return jobs;
    PrivateCups::Job job;
    const auto flush = [&] {
        if (job.id)
            jobs.push_back(job);
        job = {};
    };
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        const char* name = ippGetName(a);
        if (!name) {   // between two jobs
            flush();
            continue;
        }
        const QByteArray n(name);
        if (n == "job-id")
            job.id = ippGetInteger(a, 0);
        else if (n == "job-name")
            job.name = QString::fromUtf8(ippGetString(a, 0, nullptr));
        else if (n == "job-state")
            job.state = ippGetInteger(a, 0);
        else if (n == "job-printer-state-message")
            job.stateMessage = QString::fromUtf8(ippGetString(a, 0, nullptr));
        else if (n == "orientation-requested")
            job.orientation = QString::number(ippGetInteger(a, 0));
        else if (n == "media")
            job.media = QString::fromUtf8(ippGetString(a, 0, nullptr));
    }
    flush();
    ippDelete(response);
    std::sort(jobs.begin(), jobs.end(), [](const auto& x, const auto& y) { return x.id < y.id; });
    return jobs;
}

}  // namespace

std::vector<PrivateCups::Job> PrivateCups::waitForJobs(const QString& name, int count)
{
    std::vector<Job> jobs;
    (void)QTest::qWaitFor(
        [&] {
            jobs = jobsOf(queue(name));
            if (static_cast<int>(jobs.size()) < count)
                return false;
            return std::all_of(jobs.begin(), jobs.end(),
                               [](const Job& j) { return j.state >= IPP_JSTATE_STOPPED; });
        },
        kJobsMs);
    return jobs;
}

QString PrivateCups::outputFile(const QString& jobName) const
{
    const QString own = path(QStringLiteral("out/") + jobName + QStringLiteral(".pdf"));
    if (QFile::exists(own))
        return own;
    // Where cups-pdf writes when it may not read the queue's configuration
    // (AppArmor lets it read only its main one): the user's folder in its
    // spool. Such a file is removed at the end.
    const QString spooled =
        QStringLiteral("/var/spool/cups-pdf/%1/%2.pdf").arg(QString::fromLocal8Bit(cupsUser()), jobName);
    if (QFile::exists(spooled)) {
        m_outputs << spooled;
        return spooled;
    }
    return QString();
}
