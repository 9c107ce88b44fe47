#include "records/SettingsStore.h"

#include "records/StoreKeys.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QLockFile>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace fw {

namespace {

// How long a starting copy waits for another one to finish its update.
constexpr int kLockWaitMs = 5000;
constexpr unsigned long kLockPollMs = 5;
// QSettings notices that another copy changed the file by the file's size
// and modification time, and the file system keeps that time in coarse
// ticks of a few milliseconds. Two updates of the same length within one
// tick would look like no change at all to the other copy, so the lock is
// held until the file clock has certainly moved on.
constexpr qint64 kFileClockSlackMs = 20;

// A text as the game has always stored it: with a second '@' before a
// first one, and wrapped in "@String(...)" when it holds a null character.
QString itemOf(const QString &text)
{
    if (text.contains(QChar::Null))
        return QStringLiteral("@String(") + text + QLatin1Char(')');
    if (text.startsWith(QLatin1Char('@')))
        return QLatin1Char('@') + text;
    return text;
}

// The text an item holds; none for a value of another type, written '@',
// the type's name, then "(...)", which is never unpacked.
std::optional<QString> textOf(const QString &item)
{
    if (item.startsWith(QLatin1String("@@")))
        return item.mid(1);
    if (item.startsWith(QLatin1String("@String(")) && item.endsWith(QLatin1Char(')')))
        return item.mid(8, item.size() - 9);
    const qsizetype open = item.indexOf(QLatin1Char('('));
    if (item.startsWith(QLatin1Char('@')) && open > 1 && item.endsWith(QLatin1Char(')'))
        && std::all_of(item.cbegin() + 1, item.cbegin() + open,
            [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }))
        return std::nullopt;
    return item;
}

// The INI text as QSettings writes and reads it, here read only as text.

// In values, a backslash and a letter of the first line stand for the
// character under it; '?' and '\'' are read so but never written so.
constexpr QByteArrayView kEscapeLetters = "abfnrtv\"\\?'";
constexpr QByteArrayView kEscapedChars = "\a\b\f\n\r\t\v\"\\?'";
constexpr qsizetype kWrittenEscapes = 9;

constexpr QByteArrayView kSpaces = " \t\r\n";

int digitValue(char c, int base)
{
    int value = -1;
    std::from_chars(&c, &c + 1, value, base);
    return value;
}

// Whether a line break of two bytes, "\r\n" or "\n\r", starts at `at`.
bool twoByteBreakAt(QByteArrayView data, qsizetype at)
{
    return at + 1 < data.size() && QByteArrayView("\r\n\r").contains(data.sliced(at, 2));
}

struct IniLine {
    QByteArrayView text;
    qsizetype equals = -1; // the first '=' outside quotes, if any
};

// The line from `pos` on. Blank space and comment lines (';' first) before
// it are passed over. A line goes on past a line break inside quotes or
// right after a backslash, and ends before a ';' outside quotes.
std::optional<IniLine> nextLine(QByteArrayView data, qsizetype &pos)
{
    qsizetype start = pos;
    for (; start < data.size() && (kSpaces.contains(data[start]) || data[start] == ';'); ++start) {
        if (data[start] == ';') // a comment, to the end of its line
            while (start + 1 < data.size() && data[start + 1] != '\n' && data[start + 1] != '\r')
                ++start;
    }
    IniLine line;
    bool quoted = false;
    for (pos = start; pos < data.size(); ++pos) {
        const char c = data[pos];
        if (c == '=' && !quoted && line.equals < 0)
            line.equals = pos - start;
        else if ((c == '\n' || c == '\r' || c == ';') && !quoted)
            break;
        else if (c == '\\' && pos + 1 < data.size())
            pos += twoByteBreakAt(data, pos + 1) ? 2 : 1;
        else if (c == '"')
            quoted = !quoted;
    }
    if (pos == start)
        return std::nullopt;
    line.text = data.sliced(start, pos - start);
    return line;
}

// A key or section name: UTF-8, with '\' for '/' and %XX or %UXXXX for
// any other character.
QString unescapedKey(QByteArrayView bytes)
{
    QString key = QString::fromUtf8(bytes);
    for (qsizetype i = 0; i < key.size(); ++i) {
        const bool wide = QStringView(key).sliced(i).startsWith(u"%U");
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = key[i] == u'%' && first + digits <= key.size()
            ? QStringView(key).sliced(first, digits).toUShort(&ok, 16)
            : 0;
        // The character an escape stands for is not read again.
        if (key[i] == u'\\')
            key[i] = u'/';
        else if (ok)
            key.replace(i, first + digits - i, QChar(code));
    }
    return key;
}

QByteArray escapedKey(const QString &key)
{
    QByteArray bytes;
    for (const QChar c : key) {
        bytes += c.unicode() > 0xff ? QString::asprintf("%%U%04X", c.unicode()).toLatin1()
                                    : QByteArray(1, char(c.unicode())).toPercentEncoding("/", "~");
    }
    // A backslash of the key is %5C by now, so each '/' left is one of the key's.
    return bytes.replace('/', '\\');
}

// A value's items: backslash escapes (\n, \x41, \101, and before a line
// break, none), double quotes that keep blanks, commas and semicolons, and
// commas between the items of a list. Blanks around an item that is not
// quoted are dropped, except those an escape wrote or that end the value
// before a lone backslash.
QStringList unescapedItems(QByteArrayView data)
{
    QStringList items;
    QString item;
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quotedItem = false;
    qsizetype kept = 0; // the item's characters before this one keep their blanks
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < data.size() && (data[i] == ' ' || data[i] == '\t'))
            ++i;
        kept = item.size();
    };
    const auto trim = [&] {
        while (!quotedItem && item.size() > kept && (item.endsWith(u' ') || item.endsWith(u'\t')))
            item.chop(1);
    };
    const auto code = [&](char16_t first, int base) {
        for (int digit; i < data.size() && (digit = digitValue(data[i], base)) >= 0; ++i)
            first = char16_t(first * base + digit);
        return QChar(first);
    };
    skipBlanks();
    while (i < data.size()) {
        const char c = data[i];
        if (c == '\\') {
            if (++i == data.size() || (data[i] == 'x' && i + 1 == data.size())) {
                kept = item.size();
                break;
            }
            const char escaped = data[i++];
            if (const qsizetype at = kEscapeLetters.indexOf(escaped); at >= 0)
                item += QLatin1Char(kEscapedChars[at]);
            else if (escaped == 'x' && digitValue(data[i], 16) >= 0)
                item += code(0, 16);
            else if (digitValue(escaped, 8) >= 0)
                item += code(char16_t(digitValue(escaped, 8)), 8);
            else if (twoByteBreakAt(data, i - 1))
                ++i;
            kept = item.size();
        } else if (c == '"') {
            ++i;
            quotedItem = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            trim();
            items.append(std::exchange(item, {}));
            quotedItem = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < data.size() && data[end] != '\\' && data[end] != '"' && data[end] != ',')
                ++end;
            item += QString(utf8(data.sliced(i, end - i)));
            i = end;
        }
    }
    trim();
    items.append(item);
    return items;
}

void appendEscapedItem(QByteArray &bytes, const QString &item)
{
    // Characters past ASCII are written as UTF-8, but as \x escapes in the
    // forms QSettings gives byte arrays and other types.
    const bool latin1 = item.startsWith(QLatin1String("@ByteArray("))
        || item.startsWith(QLatin1String("@Variant("))
        || item.startsWith(QLatin1String("@DateTime("));
    const qsizetype start = bytes.size();
    QStringEncoder utf8(QStringEncoder::Utf8);
    bool needsQuotes = false;
    bool escapeHexDigit = false; // after \0 or \xNN, which a digit would extend
    for (const QChar qc : item) {
        const char16_t c = qc.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        const qsizetype at = c < 0x80 ? kEscapedChars.first(kWrittenEscapes).indexOf(char(c)) : -1;
        const char letter = c == 0 ? '0' : at >= 0 ? kEscapeLetters[at] : 0;
        if ((escapeHexDigit && c < 0x80 && digitValue(char(c), 16) >= 0)
            || (!letter && (c <= 0x1f || (c >= 0x7f && latin1)))) {
            bytes += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else if (letter) {
            bytes.append('\\').append(letter);
            escapeHexDigit = c == 0;
        } else {
            // One encoder for the whole item, which holds a high surrogate
            // until the next character it is given, so a pair stays a pair.
            bytes += latin1 ? QByteArray(1, char(c)) : QByteArray(utf8(QStringView(&qc, 1)));
            escapeHexDigit = false;
        }
    }
    if (needsQuotes || (bytes.size() > start && (bytes[start] == ' ' || bytes.back() == ' '))) {
        bytes.insert(start, '"');
        bytes += '"';
    }
}

// Reads every key of the file. A value is held as the file has it: a list of
// its items (more than one for a list such as "Ann, Bob") with the file's
// quoting and escapes undone, each still in the form that tells a text from
// a value of another type. Nothing in the file is unpacked into another type.
bool readIni(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.readAll();
    const QByteArrayView data(bytes);
    // The file is cut at its section headers, and the lines of each piece
    // are keys of its section. A byte order mark is passed over in looking
    // for headers but stays in the first piece, as QSettings has always read
    // it. Sections are read in the order of their names, so that of two
    // spellings of one key (such as "Records\BestTime" in [General]) the
    // same one wins as always.
    QMap<QString, QList<QByteArrayView>> pieces;
    QString prefix;
    qsizetype pieceStart = 0;
    qsizetype pos = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (const std::optional<IniLine> line = nextLine(data, pos)) {
        if (!line->text.startsWith('['))
            continue;
        pieces[prefix].append(
            data.sliced(pieceStart, line->text.data() - data.data() - pieceStart));
        const qsizetype close = line->text.indexOf(']');
        const QByteArrayView name
            = line->text.first(close < 0 ? line->text.size() : close).sliced(1).trimmed();
        // [%General] is a section named General, kept apart from [General].
        const bool escapedGeneral = name.compare("%general", Qt::CaseInsensitive) == 0;
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            prefix.clear();
        else
            prefix = unescapedKey(escapedGeneral ? name.sliced(1) : name) + QLatin1Char('/');
        pieceStart = pos;
    }
    pieces[prefix].append(data.sliced(pieceStart));
    for (auto section = pieces.cbegin(); section != pieces.cend(); ++section) {
        for (const QByteArrayView piece : *section) {
            qsizetype at = 0;
            while (const std::optional<IniLine> line = nextLine(piece, at)) {
                if (line->equals >= 0)
                    map.insert(
                        section.key() + unescapedKey(line->text.first(line->equals).trimmed()),
                        unescapedItems(line->text.sliced(line->equals + 1)));
            }
        }
    }
    return true;
}

// Writes the file as QSettings has always written it: sections in the
// order of their names, each once, with its keys in the order of theirs;
// escapes and quotes only where needed.
bool writeIni(QIODevice &device, const QSettings::SettingsMap &map)
{
    // A key's section is the part of its name before the first '/'.
    QMap<QString, QMap<QString, QStringList>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        sections[slash < 0 ? QString() : it.key().left(slash)][it.key().mid(slash + 1)]
            = it.value().toStringList();
    }
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        const QByteArray name = escapedKey(section.key());
        QByteArray text = section == sections.cbegin() ? "[" : "\n[";
        text += name.isEmpty()                                  ? QByteArray("General")
            : name.compare("general", Qt::CaseInsensitive) == 0 ? QByteArray("%General")
                                                                : name;
        text += "]\n";
        for (auto key = section->cbegin(); key != section->cend(); ++key) {
            text += escapedKey(key.key());
            text += '=';
            for (qsizetype i = 0; i < key->size(); ++i) {
                if (i > 0)
                    text += ", ";
                // A text goes in the form it has always been written in.
                const std::optional<QString> itemText = textOf(key->at(i));
                appendEscapedItem(text, itemText ? itemOf(*itemText) : key->at(i));
            }
            text += '\n';
        }
        if (device.write(text) != text.size())
            return false;
    }
    return true;
}

// Half of a surrogate pair, which only an escape typed into the file can
// make, becomes the replacement character.
QString withHalfPairsReplaced(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

class FileUpdateLock final : public StoreUpdateLock {
public:
    explicit FileUpdateLock(const QString &settingsFile)
        : m_settingsFile(settingsFile)
        , m_lock(settingsFile + QStringLiteral(".update-lock"))
    {
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
        // Asks often rather than with QLockFile's own waits, which grow to
        // seconds. A copy that cannot take the lock (a read-only directory,
        // another copy stuck for seconds) goes on without it rather than hang.
        const QDeadlineTimer deadline(kLockWaitMs);
        while (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError
            && !deadline.hasExpired())
            QThread::msleep(kLockPollMs);
    }

    // Waits until the file clock has moved past the last write.
    ~FileUpdateLock() override
    {
        const QFileInfo info(m_settingsFile);
        if (!m_lock.isLocked() || !info.exists())
            return;
        const qint64 clearAt = info.lastModified().toMSecsSinceEpoch() + kFileClockSlackMs;
        const qint64 wait = std::clamp(
            clearAt - QDateTime::currentMSecsSinceEpoch(), qint64(0), kFileClockSlackMs);
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
    }

private:
    QString m_settingsFile;
    QLockFile m_lock;
};

} // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(defaultFilePath())
{
}

IniSettingsStore::IniSettingsStore(const QString &filePath)
{
    // QSettings still takes the lock file, notices other copies' writes and
    // writes through a temporary file and a rename; the text is read and
    // written here.
    static const QSettings::Format textOnlyIni
        = QSettings::registerFormat(QStringLiteral("conf"), readIni, writeIni);
    m_settings = std::make_unique<QSettings>(filePath, textOnlyIni);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFilePath()
{
    // $XDG_CONFIG_HOME when it names an absolute directory, else ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1Char('/') + keys::kApplication + QLatin1Char('/') + keys::kApplication
        + QStringLiteral(".conf");
}

QString IniSettingsStore::filePath() const
{
    return m_settings->fileName();
}

QString IniSettingsStore::read(
    const QString &section, const QString &key, const QString &defaultText) const
{
    const QString path = section + QLatin1Char('/') + key;
    QStringList texts;
    for (const QString &item : m_settings->value(path).toStringList()) {
        const std::optional<QString> text = textOf(item);
        if (!text)
            return defaultText;
        texts.append(*text);
    }
    if (texts.isEmpty())
        return defaultText;
    // A hand-edited line such as "BestPlayer=Ann, Bob" reads as the text it was.
    const QString joined = texts.join(QStringLiteral(", "));
    if (joined.isValidUtf16())
        return joined;
    // A half pair cannot be written to the file as it stands: the next
    // rewrite would drop it or move it. The text is kept as it was read, so
    // whatever the file says next is what was shown.
    for (QString &text : texts)
        text = itemOf(withHalfPairsReplaced(text));
    m_settings->setValue(path, texts);
    return withHalfPairsReplaced(joined);
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    m_settings->setValue(section + QLatin1Char('/') + key, QStringList {itemOf(text)});
    // QSettings writes through a temporary file and a rename, so a write
    // that fails (a full disk, a read-only directory) leaves the old file.
    m_settings->sync();
}

std::unique_ptr<StoreUpdateLock> IniSettingsStore::lockForUpdate()
{
    auto lock = std::make_unique<FileUpdateLock>(m_settings->fileName());
    m_settings->sync(); // take in what other copies wrote meanwhile
    return lock;
}

} // namespace fw
