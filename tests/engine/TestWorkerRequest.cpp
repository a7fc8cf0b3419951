#include "engine/StopSignal.h"
#include "engine/WorkerProcess.h"
#include "engine/WorkerRequest.h"

#include <QtEndian>
#include <QtTest>

using namespace std::chrono_literals;

namespace {
    WorkerRequest sampleRequest()
    {
        WorkerRequest request;
        request.arguments
            = QStringList { "gs", "-sDEVICE=pdfwrite", QStringLiteral("-sOutputFile=/home/jürgen/東京 100%%.pdf") };
        request.sourcePath = "/home/u/Temp/run-1/a_input.pdf";
        request.rewritePath = "/home/u/Temp/run-1/b_output.pdf";
        request.passwordArgument = "-sPDFPassword=s3cret";
        request.copyPasswordArgument = "-sPDFPassword=copy";
        request.temporaryFolder = "/home/u/Temp/run-1/";
        return request;
    }

    QByteArray numbers(std::initializer_list<quint32> values)
    {
        QByteArray bytes;
        for (const quint32 value : values) {
            char field[sizeof value];
            qToBigEndian(value, field);
            bytes.append(field, sizeof field);
        }
        return bytes;
    }
} // namespace

using Kind = WorkerRequest::Answer::Kind;
Q_DECLARE_METATYPE(WorkerRequest::Answer::Kind)

/** Both directions of the worker's protocol: the request it reads, and the exit status it answers with. */
class TestWorkerRequest : public QObject
{
    Q_OBJECT

private slots:
    void request_data();
    void request();
    void exitStatus_data();
    void exitStatus();
    void workerRefusesAnOversizedClaimCleanly();
};

void TestWorkerRequest::request_data()
{
    const QByteArray whole = sampleRequest().encode();
    const QByteArray version = whole.left(4) + numbers({ 0 }); // and the job: a rewrite
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodes");
    QTest::newRow("whole") << whole << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("truncated by one byte") << whole.chopped(1) << false;
    QTest::newRow("truncated inside an argument") << whole.left(whole.size() / 2) << false;
    QTest::newRow("wrong version") << numbers({ 1 }) + whole.mid(4) << false;
    QTest::newRow("unknown job") << whole.left(4) + numbers({ 2 }) + whole.mid(8) << false;
    QTest::newRow("trailing bytes") << whole + "x" << false;
    QTest::newRow("no arguments") << version + numbers({ 0, 0, 0, 0, 0, 0 }) << false;
    // Sixteen bytes that claim 2^31 arguments: refused before anything is allocated for them.
    QTest::newRow("count of 2^31") << version + numbers({ 0x80000000u, 0 }) << false;
    QTest::newRow("more arguments than allowed")
        << version + numbers({ quint32(WorkerRequest::maximumArguments) + 1 }) + QByteArray(4 * 100, '\0') << false;
    QTest::newRow("text longer than the request") << version + numbers({ 1, 0xFFFFFFF0u }) + "gs" << false;
    QTest::newRow("larger than a request may be") << version + numbers({ 1, quint32(WorkerRequest::maximumBytes) })
            + QByteArray(WorkerRequest::maximumBytes, 'a')
            + numbers({ 0, 0, 0, 0, 0 }) << false;
}

void TestWorkerRequest::request()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decodes);
    WorkerRequest decoded;
    QCOMPARE(WorkerRequest::decode(bytes, decoded), decodes);
    QVERIFY(decoded == (decodes ? sampleRequest() : WorkerRequest()));
}

void TestWorkerRequest::exitStatus_data()
{
    QTest::addColumn<int>("interpreterCode");
    QTest::addColumn<int>("status");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("answeredCode");
    QTest::newRow("done") << 0 << 0 << Kind::Done << 0;
    QTest::newRow("interpreter error") << -100 << 100 << Kind::InterpreterFailed << -100;
    QTest::newRow("smallest error") << -1 << 1 << Kind::InterpreterFailed << -1;
    QTest::newRow("error beyond the range keeps its sign") << -100000 << 199 << Kind::InterpreterFailed << -199;
    QTest::newRow("positive code reads as an error") << 7 << 1 << Kind::InterpreterFailed << -1;
    QTest::newRow("rewrite loses content")
        << 0 << int(WorkerRequest::RewriteLosesContent) << Kind::RewriteLosesContent << 0;
    QTest::newRow("unreadable request") << 0 << int(WorkerRequest::UnreadableRequest) << Kind::RequestRefused << 0;
    QTest::newRow("a status the worker never gives") << 0 << 250 << Kind::RequestRefused << 0;
}

void TestWorkerRequest::exitStatus()
{
    QFETCH(int, interpreterCode);
    QFETCH(int, status);
    QFETCH(Kind, kind);
    QFETCH(int, answeredCode);
    if (status < WorkerRequest::RewriteLosesContent) {
        QCOMPARE(WorkerRequest::exitStatusOf(interpreterCode), status);
    }
    const WorkerRequest::Answer answer = WorkerRequest::answerOf(status);
    QCOMPARE(answer.kind, kind);
    QCOMPARE(answer.interpreterCode, answeredCode);
}

// The real worker, fed a request that claims 2^31 arguments, ends with its own clean status, not an abort.
void TestWorkerRequest::workerRefusesAnOversizedClaimCleanly()
{
    const QByteArray request = sampleRequest().encode().left(8) + numbers({ 0x80000000u, 0 });
    QCOMPARE(request.size(), 16);
    StopSignal stop;
    const WorkerProcess::Outcome outcome
        = WorkerProcess::run(WorkerProcess::executablePath(), request, 60s, stop, WorkerProcess::LineHandler());
    QCOMPARE(int(outcome.ending), int(WorkerProcess::Ending::Exited));
    QCOMPARE(outcome.exitStatus, int(WorkerRequest::UnreadableRequest));
    QVERIFY(outcome.diagnostics.contains("did not arrive whole"));
}

QTEST_GUILESS_MAIN(TestWorkerRequest)
#include "TestWorkerRequest.moc"
