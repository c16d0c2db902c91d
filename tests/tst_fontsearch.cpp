// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// In a collection whose fonts lack characters of the windows' texts, with
// family names, typed text and a user name in several scripts, Qt must never
// build a fallback list over the whole collection: each such list costs time
// growing with the square of the installed fonts. Qt builds one by sorting
// fontconfig's current configuration untrimmed, so the size of the largest
// such sort tells how much of the collection Qt was shown.
#include "app/mainform.h"
#include "app/readform.h"
#include "app/reshape.h"
#include "named.h"
#include "platform/linux/desktopplatform.h"
#include "windows/aboutform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

#include <fontconfig/fontconfig.h>

#include <dlfcn.h>

namespace {

int largestUntrimmedSort = 0;

constexpr int CollectionFaces = 160;

const char *const SourceFonts[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};

// Family names in several scripts. The collection draws Latin, Greek,
// Cyrillic and, in DejaVu only, Armenian and Georgian, which no name has;
// DejaVu goes by Devanagari names, which it cannot draw, so no window uses it
// until the first Armenian letter is typed. No font has CJK, Hangul or
// Devanagari.
const char *const NameScripts[] = {"Face", "Γραμματοσειρά", "Шрифт", "明朝体", "한글"};
const char *const DejaVuNames = "देवनागरी";

} // namespace

extern "C" FcFontSet *FcFontSort(FcConfig *config, FcPattern *pattern, FcBool trim,
                                 FcCharSet **coverage, FcResult *result)
{
    using Sort = FcFontSet *(*)(FcConfig *, FcPattern *, FcBool, FcCharSet **, FcResult *);
    static const auto real = reinterpret_cast<Sort>(dlsym(RTLD_NEXT, "FcFontSort"));
    FcFontSet *set = real(config, pattern, trim, coverage, result);
    if (!trim && set)
        largestUntrimmedSort = qMax(largestUntrimmedSort, set->nfont);
    return set;
}

class NamedUserPlatform : public DesktopPlatform {
public:
    QString name;
    QString userName() override
    {
        loadCharacters(name);
        return name;
    }
    bool anotherInstanceRunning() override { return false; }
    void endProgram() override {}
};

class TestFontSearch : public QObject {
    Q_OBJECT
private slots:
    void noTextSearchesTheWholeCollection();
};

// True when every character of text that is not a space comes out as a real
// glyph in font, its fallbacks included.
static bool drawsAll(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return !runs.isEmpty() && std::ranges::none_of(runs, [](const QGlyphRun &run) {
        return run.glyphIndexes().isEmpty() || run.glyphIndexes().contains(0);
    });
}

void TestFontSearch::noTextSearchesTheWholeCollection()
{
    NamedUserPlatform platform;
    followFontChanges(platform);
    platform.name = QStringLiteral("Ελένη 김민준 Жанна Արամ");
    QCOMPARE(platform.fontCount() >= CollectionFaces / 4, true);
    // Text that comes before the fonts for its script, sorted out in the
    // background, waits for them.
    const QFont early(platform.resolveFamily(QStringLiteral("Liberation Sans")));
    platform.loadCharacters(QStringLiteral("ԱԲ"));
    QVERIFY(drawsAll(early, QStringLiteral("ԱԲ")));

    ReadForm splash(platform);
    QVERIFY(splash.Form_Load());
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    MainForm *main = splash.loadMainForm();
    QVERIFY(main);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    main->grab();

    for (const QChar character : QStringLiteral("Шр ԱԲ ქ 明한द Γρ")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(named(main, "FontFind"), &press);
        main->grab();
    }
    main->AboutPro_Click();
    QVERIFY(main->aboutForm());
    main->aboutForm()->grab();

    QVERIFY2(largestUntrimmedSort > 0, "the check no longer sees Qt's fallback lists");
    QVERIFY2(
        largestUntrimmedSort < CollectionFaces / 4,
        qPrintable(
            QStringLiteral("Qt sorted %1 faces for a fallback list").arg(largestUntrimmedSort)));

    // Characters that some installed font has are still drawn.
    QVERIFY(drawsAll(named(main, "FontFind")->font(), QStringLiteral("Шрифт ԱԲ ქ Γρ")));
    QVERIFY(drawsAll(named(main, "FontList")->font(), QStringLiteral("Γραμματοσειρά Шрифт")));
}

// The collection must be in place before Qt or fontconfig first look at fonts.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath(QStringLiteral("fonts"));
    QStringList sources;
    for (const char *file : SourceFonts)
        if (QFile::exists(QLatin1String(file)))
            sources.append(QLatin1String(file));
    QByteArray renames;
    for (int i = 0; i < CollectionFaces && !sources.isEmpty(); ++i) {
        const QString file = root.filePath(QStringLiteral("fonts/f%1.ttf").arg(i));
        QFile::link(sources.at(i % sources.size()), file);
        const bool dejaVu = sources.at(i % sources.size()).contains(QLatin1String("DejaVu"));
        // The first copies of Liberation keep their names, for the windows' faces.
        if (i < sources.size() && !dejaVu)
            continue;
        const char *script = dejaVu ? DejaVuNames : NameScripts[i % std::size(NameScripts)];
        const QString family = QStringLiteral("%1 %2").arg(QString::fromUtf8(script)).arg(i);
        renames += "<match target=\"scan\"><test name=\"file\"><string>" +
                   file.toHtmlEscaped().toUtf8() +
                   "</string></test><edit name=\"family\" mode=\"assign_replace\"><string>" +
                   family.toHtmlEscaped().toUtf8() + "</string></edit></match>\n";
    }
    QFile config(root.filePath(QStringLiteral("fonts.conf")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" +
                 root.filePath(QStringLiteral("fonts")).toUtf8() + "</dir>\n<cachedir>" +
                 root.filePath(QStringLiteral("cache")).toUtf8() + "</cachedir>\n" + renames +
                 "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n");
    config.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config.fileName()));

    QApplication app(argc, argv);
    if (sources.isEmpty()) {
        qWarning("no DejaVu or Liberation fonts to build the collection from");
        return 1;
    }
    TestFontSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontsearch.moc"
