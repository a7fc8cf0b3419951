#include "engine/WorkerRequest.h"

#include <QtEndian>
#include <algorithm>

namespace {
    // Bumped whenever the layout changes, so that a worker of another build refuses the request.
    constexpr quint32 layoutVersion = 4;

    // The layout: version, job, argument count, the arguments, then the five texts; every number a
    // 32-bit big-endian one, every text its byte count followed by its UTF-8 bytes.
    void appendNumber(QByteArray& bytes, quint32 number)
    {
        char field[sizeof number];
        qToBigEndian(number, field);
        bytes.append(field, sizeof field);
    }

    void appendText(QByteArray& bytes, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        appendNumber(bytes, static_cast<quint32>(utf8.size()));
        bytes.append(utf8);
    }

    /** Reads the layout back, checking every count and length against what is really there. */
    class Reader final
    {
    public:
        explicit Reader(const QByteArray& bytes)
            : m_bytes(bytes)
        {
        }

        bool isOk() const { return m_ok; }
        bool atEnd() const { return m_offset == m_bytes.size(); }
        qint64 remaining() const { return m_bytes.size() - m_offset; }

        quint32 number()
        {
            if (!m_ok || remaining() < qint64(sizeof(quint32))) {
                m_ok = false;
                return 0;
            }
            const quint32 value = qFromBigEndian<quint32>(m_bytes.constData() + m_offset);
            m_offset += int(sizeof(quint32));
            return value;
        }

        QString text()
        {
            const quint32 size = number();
            if (!m_ok || size > remaining()) {
                m_ok = false;
                return QString();
            }
            const QString value = QString::fromUtf8(m_bytes.constData() + m_offset, int(size));
            m_offset += int(size);
            return value;
        }

    private:
        const QByteArray& m_bytes;
        int m_offset = 0;
        bool m_ok = true;
    };
} // namespace

QByteArray WorkerRequest::encode() const
{
    QByteArray bytes;
    appendNumber(bytes, layoutVersion);
    appendNumber(bytes, static_cast<quint32>(job));
    appendNumber(bytes, static_cast<quint32>(arguments.size()));
    for (const QString& argument : arguments) {
        appendText(bytes, argument);
    }
    for (const QString* text :
        { &sourcePath, &rewritePath, &passwordArgument, &copyPasswordArgument, &temporaryFolder }) {
        appendText(bytes, *text);
    }
    return bytes;
}

bool WorkerRequest::decode(const QByteArray& bytes, WorkerRequest& request)
{
    if (bytes.size() > maximumBytes) {
        return false;
    }
    Reader reader(bytes);
    if (reader.number() != layoutVersion) {
        return false;
    }
    const quint32 job = reader.number();
    // Each argument takes four bytes at least, so a count the bytes cannot hold is refused before any allocation.
    const quint32 count = reader.number();
    if (!reader.isOk() || job > static_cast<quint32>(Job::CompareInk) || count > quint32(maximumArguments)
        || count * 4 > reader.remaining()) {
        return false;
    }
    WorkerRequest decoded;
    decoded.job = static_cast<Job>(job);
    for (quint32 index = 0; index < count && reader.isOk(); ++index) {
        decoded.arguments << reader.text();
    }
    for (QString* text : { &decoded.sourcePath, &decoded.rewritePath, &decoded.passwordArgument,
             &decoded.copyPasswordArgument, &decoded.temporaryFolder }) {
        *text = reader.text();
    }
    const bool complete
        = decoded.job == Job::CompareInk ? !decoded.rewritePath.isEmpty() : !decoded.arguments.isEmpty();
    if (!reader.isOk() || !reader.atEnd() || !complete) {
        return false;
    }
    request = decoded;
    return true;
}

int WorkerRequest::exitStatusOf(int interpreterCode)
{
    if (interpreterCode == 0) {
        return 0;
    }
    // An exit status has eight bits; codes beyond the range keep their sign, not their value.
    return std::clamp(-interpreterCode, 1, RewriteLosesContent - 1);
}

WorkerRequest::Answer WorkerRequest::answerOf(int exitStatus)
{
    using Kind = Answer::Kind;
    if (exitStatus == 0) {
        return { Kind::Done, 0 };
    }
    if (exitStatus > 0 && exitStatus < RewriteLosesContent) {
        return { Kind::InterpreterFailed, -exitStatus };
    }
    if (exitStatus == RewriteLosesContent) {
        return { Kind::RewriteLosesContent, 0 };
    }
    return { Kind::RequestRefused, 0 };
}

bool WorkerRequest::operator==(const WorkerRequest& other) const
{
    return job == other.job && arguments == other.arguments && sourcePath == other.sourcePath
        && rewritePath == other.rewritePath && passwordArgument == other.passwordArgument
        && copyPasswordArgument == other.copyPasswordArgument && temporaryFolder == other.temporaryFolder;
}
