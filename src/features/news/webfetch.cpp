#include "news/webfetch.h"

#include "platform/regularfile.h"
#include "platform/safefilewriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <curl/curl.h>

#include <cctype>
#include <memory>
#include <mutex>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TTransfer
{
    TSafeFileWriter *file = nullptr;
    qint64 written = 0;
    qint64 maxBytes = 0;
    bool tooLarge = false;
    bool writeFailed = false;
    const std::function<bool()> *keepAlive = nullptr;
};

// Counts the body here because a server need not state its size.
size_t WriteBody(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<TTransfer *>(user);
    const qint64 bytes = qint64(size * count);
    if (transfer->written + bytes > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0;
    }
    if (!transfer->file->Write(QByteArrayView(data, bytes))) {
        transfer->writeFailed = true;
        return 0;
    }
    transfer->written += bytes;
    return size_t(bytes);
}

int TransferProgress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto *transfer = static_cast<TTransfer *>(user);
    if (StopRequested() || (transfer->keepAlive && *transfer->keepAlive && (*transfer->keepAlive)()))
        return 1; // aborts the transfer
    return 0;
}

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TCurlDeleter
{
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
};

// A local file is judged by its start: a feed or a page shows its first element within this much.
constexpr qint64 kSniffBytes = 64 * 1024;

/// True when the text starts as a feed (RSS, RDF, Atom) or an HTML page: after an XML declaration,
/// comments and a document type, the first element is one of those documents' own.
bool LooksLikeFeedOrPage(QByteArrayView head)
{
    QByteArray text = head.toByteArray();
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        text.remove(0, 2);
        text.removeIf([](char c) { return c == '\0'; }); // UTF-16: its ASCII is enough to judge
    } else if (text.startsWith("\xEF\xBB\xBF")) {
        text.remove(0, 3);
    }
    text = text.toLower();
    qsizetype i = 0;
    const auto skipPast = [&](const char *end) {
        const qsizetype at = text.indexOf(end, i);
        i = at < 0 ? text.size() : at + qsizetype(qstrlen(end));
        return at >= 0;
    };
    for (;;) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        const QByteArrayView rest = QByteArrayView(text).sliced(i);
        if (rest.startsWith("<?")) {
            if (!skipPast("?>"))
                return false;
        } else if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                return false;
        } else if (rest.startsWith("<!doctype")) {
            if (!skipPast(">"))
                return false;
        } else {
            break;
        }
    }
    if (i >= text.size() || text[i] != '<')
        return false;
    qsizetype end = i + 1;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == ':' ||
                                 text[end] == '_' || text[end] == '-'))
        ++end;
    const QByteArray name = text.mid(i + 1, end - i - 1);
    static const QList<QByteArray> kRoots{"rss", "feed", "html", "head", "body", "title", "meta"};
    return kRoots.contains(name) || name == "rdf" || name.endsWith(":rdf") || name.endsWith(":feed");
}

} // namespace

bool TWebFetch::IsWebAddress(const QString &address)
{
    return address.startsWith(u"http://"_s) || address.startsWith(u"file://"_s) ||
           address.startsWith(u"ftp://"_s) || address.startsWith(u"https://"_s);
}

bool TWebFetch::Fetch(const QString &address, const QString &file)
{
    FError.clear();
    // A file address is read as the local file it names: only a regular file is opened, where the web
    // library would wait for ever on a FIFO.
    if (address.startsWith(u"file://"_s)) {
        const QUrl url(address, QUrl::TolerantMode);
        const QString local = url.isLocalFile() ? url.toLocalFile() : QString();
        if (local.isEmpty()) {
            FError = tr("ファイルのアドレスではありません");
            return false;
        }
        return ReadLocal(address, local, file);
    }
    return IsWebAddress(address) ? FetchWeb(address, file) : ReadLocal(address, address, file);
}

bool TWebFetch::ReadLocal(const QString &address, const QString &path, const QString &file)
{
    if (CopyLocal(path, file))
        return true;
    // A site may name any file of the computer: the refusal says which.
    //: %1 is the site's address, %2 the reason
    FError = tr("%1 を読み込みません: %2").arg(address, FError);
    return false;
}

bool TWebFetch::FetchWeb(const QString &address, const QString &file)
{
    InitCurlOnce();
    std::unique_ptr<CURL, TCurlDeleter> curl(curl_easy_init());
    if (!curl) {
        FError = tr("通信を開始できません (libcurl)");
        return false;
    }
    TSafeFileWriter out(file);
    if (!out.Open()) {
        FError = out.ErrorString();
        return false;
    }
    TTransfer transfer;
    transfer.file = &out;
    transfer.maxBytes = FMaxBytes;
    transfer.keepAlive = &FOnKeepAlive;

    // Blanks and non-ASCII characters are percent-encoded; an address QUrl cannot read goes as typed.
    const QUrl url(address, QUrl::TolerantMode);
    const QByteArray encoded = url.isValid() ? url.toEncoded() : address.toUtf8();

    CURL *c = curl.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_URL, encoded.constData());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "MyApp");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file");
    // A redirect must not reach the user's own files.
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(FIdleTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(FIdleTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(FTotalTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, TransferProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        if (transfer.tooLarge)
            FError = tr("内容が %1 バイトを超えています").arg(FMaxBytes);
        else if (transfer.writeFailed)
            FError = out.ErrorString();
        else
            FError = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(result));
        return false;
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    const char *scheme = nullptr;
    curl_easy_getinfo(c, CURLINFO_SCHEME, &scheme);
    const bool http = scheme && (qstricmp(scheme, "http") == 0 || qstricmp(scheme, "https") == 0);
    if (http && status >= 400) {
        //: %1 is the HTTP status code
        FError = tr("サーバーの応答: HTTP %1").arg(status);
        return false;
    }
    if (!out.Commit()) {
        FError = out.ErrorString();
        return false;
    }
    return true;
}

bool TWebFetch::CopyLocal(const QString &path, const QString &file)
{
    QFile in;
    if (!OpenRegularFile(in, path, &FError))
        return false;
    // Only a feed or a page within the download's size limit, judged before anything is written.
    if (in.size() > FMaxBytes) {
        FError = tr("内容が %1 バイトを超えています").arg(FMaxBytes);
        return false;
    }
    if (!LooksLikeFeedOrPage(in.peek(kSniffBytes))) {
        FError = tr("フィードでもHTMLのページでもありません");
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    TSafeFileWriter out(file);
    if (!out.Open()) {
        FError = out.ErrorString();
        return false;
    }
    qint64 total = 0;
    while (!in.atEnd()) {
        // The same limits as a download: size, time, and a stop asked for by the user or a signal.
        if (StopRequested() || (FOnKeepAlive && FOnKeepAlive())) {
            FError = tr("中止しました");
            return false;
        }
        if (clock.elapsed() > qint64(FTotalTimeoutSeconds) * 1000) {
            FError = tr("時間切れです");
            return false;
        }
        const QByteArray block = in.read(1 << 20);
        total += block.size();
        if (total > FMaxBytes) {
            FError = tr("内容が %1 バイトを超えています").arg(FMaxBytes);
            return false;
        }
        if (block.isEmpty())
            break;
        if (!out.Write(block)) {
            FError = out.ErrorString();
            return false;
        }
    }
    if (in.error() != QFile::NoError) {
        FError = in.errorString();
        return false;
    }
    if (!out.Commit()) {
        FError = out.ErrorString();
        return false;
    }
    return true;
}
