#include "print/printoutput.h"

#include "print/drawtarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cups/cups.h>

#include <cerrno>
#include <memory>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace print::output {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Why a file could not be written, in the user's words, with the error
// number the failure carries.
struct Reason {
    int number;
    QString text;
};

Reason reasonOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return {61, QStringLiteral("ディスクの空き容量が足りません。")};
    case EFBIG:
        return {61, QStringLiteral("ファイルが大きすぎます。")};
    case EACCES:
    case EPERM:
        return {70, QStringLiteral("書き込みの権限がありません。")};
    case EROFS:
        return {70, QStringLiteral("読み取り専用のディスクです。")};
    case ENOENT:
    case ENOTDIR:
        return {76, QStringLiteral("フォルダが見つかりません。")};
    case EISDIR:
        return {75, QStringLiteral("同じ名前のフォルダがあります。")};
    case ENAMETOOLONG:
        return {75, QStringLiteral("ファイル名が長すぎます。")};
    case EIO:
        return {57, QStringLiteral("デバイス I/O エラーです。")};
    default:
        return {75, QString::fromLocal8Bit(std::strerror(error))};
    }
}

[[noreturn]] void raiseNotWritten(const QString& path, const Reason& reason)
{
    throw PrintJobError(reason.number, QStringLiteral("PDFファイルに書き込めませんでした。") + kCrLf +
                                           QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) + kCrLf +
                                           reason.text);
}

// Temporary files of PDF writes: hidden, named after their target and
// marked as the program's own, ".teams.pdf.tallicor-AbCdEf", so that the
// clean-up of a folder the user keeps other files in never takes one of
// theirs.
const QString kTemporaryMark = QStringLiteral(".tallicor-");
constexpr int kTemporaryLetters = 6;

QByteArray temporaryNameFor(const QByteArray& target)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int slash = target.lastIndexOf('/');
    QByteArray name = target.left(slash + 1) + '.' + target.mid(slash + 1) + kTemporaryMark.toLatin1();
    for (int i = 0; i < kTemporaryLetters; ++i)
        name += letters[QRandomGenerator::global()->bounded(52)];
    return name;
}

// True for the name of a temporary file of a PDF write.
bool isPdfTemporary(const QString& name)
{
    const qsizetype mark = name.size() - kTemporaryLetters - kTemporaryMark.size();
    if (!name.startsWith(QLatin1Char('.')) || mark < 2 || name.mid(mark, kTemporaryMark.size()) != kTemporaryMark)
        return false;
    for (qsizetype i = name.size() - kTemporaryLetters; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

// Writes the bytes to a new temporary file beside `target` and renames it
// over the target. Returns 0, or the error that stopped it; the temporary
// file is gone either way.
int replaceAtomically(const QByteArray& target, const QByteArray& bytes, mode_t keepMode, bool keep)
{
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return error;
    };
    if (keep)
        ::fchmod(fd, keepMode);   // the replaced file's permissions stay
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += n;
        left -= n;
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 && errno != EINTR)
        return fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    return 0;
}

}  // namespace

void writePdfFile(const QString& path, const QByteArray& pdf)
{
    // A link is kept: the file it points to is replaced.
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.isSymLink() ? info.symLinkTarget() : path);
    struct stat st {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    // As for every data file: an existing target that is no regular file or
    // may not be written stays as it is.
    if (exists && S_ISDIR(st.st_mode))
        raiseNotWritten(path, reasonOf(EISDIR));
    if (exists && !S_ISREG(st.st_mode))
        raiseNotWritten(path, {75, QStringLiteral("同じ名前のファイルでない物があります。")});
    if (exists && ::access(target.constData(), W_OK) != 0)
        raiseNotWritten(path, reasonOf(errno));
    if (const int error = replaceAtomically(target, pdf, st.st_mode & 07777, exists))
        raiseNotWritten(path, reasonOf(error));
}

void removePdfLeftovers(const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isPdfTemporary(name))
            QFile::remove(folder.filePath(name));
}

namespace {

// Why the print system did not take a job: its usual refusals in the user's
// words, anything else in the print system's own (in the user's language
// where it has them).
QString refusal(ipp_status_t status, const char* message)
{
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("プリンタが印刷を受け付けていません。");
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("プリンタが印刷システムにありません。");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return QStringLiteral("印刷システムに接続できません。");
    default:
        break;
    }
    const QString text = QString::fromUtf8(message).trimmed();
    return text.isEmpty() ? QStringLiteral("印刷システムが応答しません。") : text;
}

[[noreturn]] void raiseRefused(const QString& queue, const QString& reason)
{
    throw PrintJobError(482, QStringLiteral("プリンタ「") + queue + QStringLiteral("」に印刷できませんでした。") +
                                 kCrLf + reason);
}

// The print system never asks for a password on a terminal the user cannot
// see: a queue that wants one refuses the job instead.
const char* noPassword(const char*, http_t*, const char*, const char*, void*)
{
    return nullptr;
}

}  // namespace

void sendToQueue(const QString& queue, const QString& jobName, bool landscape, const QByteArray& pdf)
{
    cupsSetPasswordCB2(noPassword, nullptr);
    // A connection of its own, so that a scheduler that is not there is
    // told apart from a printer that is not there.
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr);
    if (!http)
        raiseRefused(queue, refusal(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, nullptr));
    const std::unique_ptr<http_t, void (*)(http_t*)> connection(http, httpClose);

    // A printer may be an instance of a queue ("Office/duplex"): the job
    // goes to the queue with the instance's options.
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = queue.section(QLatin1Char('/'), 1).toUtf8();
    const QByteArray title = jobName.toUtf8();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(http, name.constData(), instance.isEmpty() ? nullptr : instance.constData()),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        raiseRefused(queue, refusal(IPP_STATUS_ERROR_NOT_FOUND, nullptr));
    const std::unique_ptr<cups_dinfo_t, void (*)(cups_dinfo_t*)> info(cupsCopyDestInfo(http, dest.get()),
                                                                      cupsFreeDestInfo);
    if (!info)
        raiseRefused(queue, refusal(cupsLastError(), cupsLastErrorString()));

    // The program's own options first; the user's options for the printer
    // (lpoptions, the instance) fill in the rest, as the lp command does.
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("media", "A4", count, &options);
    count = cupsAddOption("orientation-requested", landscape ? "4" : "3", count, &options);
    for (int i = 0; i < dest->num_options; ++i)
        if (!cupsGetOption(dest->options[i].name, count, options))
            count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &options);
    int job = 0;
    const ipp_status_t created =
        cupsCreateDestJob(http, dest.get(), info.get(), &job, title.constData(), count, options);
    cupsFreeOptions(count, options);
    if (created > IPP_STATUS_OK_CONFLICTING || job == 0)
        raiseRefused(queue, refusal(cupsLastError(), cupsLastErrorString()));

    if (cupsStartDestDocument(http, dest.get(), info.get(), job, title.constData(), CUPS_FORMAT_PDF, 0, nullptr,
                              1) == HTTP_STATUS_CONTINUE) {
        const bool written =
            cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
        // Reads the scheduler's answer, also after a failed write.
        const ipp_status_t status = cupsFinishDestDocument(http, dest.get(), info.get());
        if (written && status <= IPP_STATUS_OK_CONFLICTING)
            return;
    }
    const QString reason = refusal(cupsLastError(), cupsLastErrorString());
    // A job that was created but not completed is not left waiting in the
    // queue for a document that never comes.
    cupsCancelDestJob(http, dest.get(), job);
    raiseRefused(queue, reason);
}

}  // namespace print::output
