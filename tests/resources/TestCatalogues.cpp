#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

/**
 * Every catalogue covers every source text of the code: lupdate is run over the sources into a
 * copy of each catalogue, and a translated language may then have no unfinished entry; the English
 * catalogue, which translates nothing, must at least list them all.
 */
class TestCatalogues final : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsComplete_data();
    void catalogueIsComplete();

private:
    struct Message
    {
        QString context;
        QString source;
        QString translation;
        QString type;
    };
    static QVector<Message> readCatalogue(const QString& path);
    static QSet<QString> placeholders(const QString& text);
};

QVector<TestCatalogues::Message> TestCatalogues::readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QVector<Message> messages;
    QString context;
    Message message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message { context, {}, {}, {} };
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(message);
        }
    }
    return messages;
}

QSet<QString> TestCatalogues::placeholders(const QString& text)
{
    QSet<QString> found;
    auto matches = QRegularExpression(QStringLiteral("%L?\\d+")).globalMatch(text);
    while (matches.hasNext()) {
        found.insert(matches.next().captured());
    }
    return found;
}

void TestCatalogues::catalogueIsComplete_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char* suffix : { "en", "de", "fr", "es", "it", "ja", "pt" }) {
        QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }
}

void TestCatalogues::catalogueIsComplete()
{
    QFETCH(QString, suffix);
    const QString sourceDir = QStringLiteral(KOMPRESTO_SOURCE_DIR);
    const QString original
        = sourceDir + QStringLiteral("/resources/translations/Translation_") + suffix + QStringLiteral(".ts");
    QVERIFY2(QFile::exists(original), qPrintable(original));

    QTemporaryDir dir;
    const QString updated = dir.filePath(QStringLiteral("Translation_") + suffix + QStringLiteral(".ts"));
    QVERIFY(QFile::copy(original, updated));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KOMPRESTO_LUPDATE),
        { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
            QStringLiteral("-no-obsolete"), QStringLiteral("-source-language"), QStringLiteral("en"),
            sourceDir + QStringLiteral("/src"), QStringLiteral("-ts"), updated });
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    QSet<QString> listed;
    for (const Message& message : readCatalogue(original)) {
        listed.insert(message.context + QLatin1Char('|') + message.source);
    }
    QStringList faults;
    const QVector<Message> messages = readCatalogue(updated);
    QVERIFY(!messages.isEmpty());
    for (const Message& message : messages) {
        const QString where = message.context + QStringLiteral(": \"") + message.source + QLatin1Char('"');
        if (!listed.contains(message.context + QLatin1Char('|') + message.source)) {
            faults << QStringLiteral("missing ") + where;
        } else if (suffix != QLatin1String("en")) {
            if (message.type == QLatin1String("unfinished") || message.translation.isEmpty()) {
                faults << QStringLiteral("unfinished ") + where;
            } else if (placeholders(message.translation) != placeholders(message.source)) {
                faults << QStringLiteral("placeholders differ in ") + where;
            }
        }
    }
    QVERIFY2(faults.isEmpty(),
        qPrintable(QStringLiteral("Translation_%1.ts (run scripts/update-translations.sh, then translate):\n  %2")
                       .arg(suffix, faults.join(QStringLiteral("\n  ")))));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "TestCatalogues.moc"
