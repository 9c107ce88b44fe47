#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QResource>
#include <QTextLayout>
#include <QtTest>

using namespace fw;

class TestFacesPictures : public QObject {
    Q_OBJECT

private slots:
    void oneFacePerSizeAndStyle();
    void characterTheFaceLacksComesFromAnotherFont();
    void fittingLabelKeepsItsParentsFace();
    void overrunningLabelIsNarrowed();
    void prescaledPictureIsTheSmoothScale_data();
    void prescaledPictureIsTheSmoothScale();
    void otherSizesAreScaledTheSameWay();
    void missingPictureIsNull();
    void builtPictureShowsAtItsSize();
};

void TestFacesPictures::oneFacePerSizeAndStyle()
{
    const QFont a = ui::gameFont(18, true);
    QVERIFY(ui::gameFont(18, true).isCopyOf(a));
    QVERIFY(ui::gameFont(18.1, true).isCopyOf(a)); // the same 24 pixels
    QVERIFY(!ui::gameFont(18).isCopyOf(a));
    QVERIFY(!ui::gameFont(18, true, true).isCopyOf(a));
    QCOMPARE(a.pixelSize(), 24);
    QVERIFY(a.bold());
    QVERIFY(ui::defaultFont().isCopyOf(ui::gameFont(8)));
}

void TestFacesPictures::characterTheFaceLacksComesFromAnotherFont()
{
    // A name typed into the record box may hold characters Liberation Sans
    // lacks; they are drawn from another font, not as empty boxes.
    const QString fourthRoot = QString(QChar(0x221C));
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
        QSKIP("DejaVu Sans, which has the character, is not installed");
    QTextLayout layout(fourthRoot, ui::gameFont(8));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QCOMPARE(runs.size(), 1);
    QVERIFY(runs.first().rawFont().familyName() != QLatin1String("Liberation Sans"));
    QVERIFY(runs.first().glyphIndexes().value(0) != 0);
}

void TestFacesPictures::fittingLabelKeepsItsParentsFace()
{
    QWidget parent;
    parent.setFont(ui::defaultFont());
    auto *label = static_cast<QLabel *>(
        ui::buildControl(&parent, {.twips = {0, 0, 3000, 300}, .text = "Short"}));
    parent.show();
    QCOMPARE(label->font(), parent.font());
    QCOMPARE(label->font().stretch(), int(QFont::AnyStretch));
    QVERIFY(!label->testAttribute(Qt::WA_SetFont));
}

void TestFacesPictures::overrunningLabelIsNarrowed()
{
    QWidget parent;
    parent.setFont(ui::defaultFont());
    auto *label = static_cast<QLabel *>(ui::buildControl(
        &parent, {.twips = {0, 0, 900, 300}, .text = "A rather long line of text"}));
    auto *hidden = static_cast<QLabel *>(ui::buildControl(&parent,
        {.twips = {0, 900, 900, 300}, .text = "A rather long line of text", .hidden = true}));
    parent.show();
    QVERIFY(label->font().stretch() > 0);
    QVERIFY(label->font().stretch() < 100);
    // A label out of sight is measured only when it appears, with the text it
    // has then.
    QCOMPARE(hidden->font(), ui::defaultFont());
    hidden->setText(QStringLiteral("An even longer line of text than that"));
    hidden->show();
    QVERIFY(hidden->font().stretch() < label->font().stretch());
    // Fitted again with a short text, it goes back to the shared face.
    label->setText(QStringLiteral("A"));
    ui::fitTextToWidth(label);
    QCOMPARE(label->font().stretch(), int(QFont::AnyStretch));
    QCOMPARE(label->font(), ui::defaultFont());
}

void TestFacesPictures::prescaledPictureIsTheSmoothScale_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << QStringLiteral(":/pictures/background.bmp") << QSize(641, 481);
    QTest::newRow("splash") << QStringLiteral(":/pictures/splash.bmp") << QSize(184, 145);
    QTest::newRow("window icon") << QStringLiteral(":/pictures/icon.ico") << QSize(32, 32);
}

void TestFacesPictures::prescaledPictureIsTheSmoothScale()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QVERIFY(QResource(ui::prescaledResource(resource, size)).isValid());
    const QImage shown = ui::scaledPicture(resource, size, 1.0).toImage();
    const QImage expected = QImage(resource)
                                .convertToFormat(QImage::Format_RGB32)
                                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(shown.size(), size);
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), expected);
}

void TestFacesPictures::otherSizesAreScaledTheSameWay()
{
    const QString resource = QStringLiteral(":/pictures/splash.bmp");
    QVERIFY(!QResource(ui::prescaledResource(resource, QSize(200, 100))).isValid());
    const QPixmap shown = ui::scaledPicture(resource, QSize(100, 50), 2.0);
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    const QImage expected
        = QImage(resource)
              .convertToFormat(QImage::Format_RGB32)
              .scaled(QSize(200, 100), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage pixels = shown.toImage().convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1.0);
    QCOMPARE(pixels, expected);
}

void TestFacesPictures::missingPictureIsNull()
{
    QVERIFY(ui::scaledPicture(QStringLiteral(":/pictures/none.bmp"), QSize(10, 10), 1.0).isNull());
}

void TestFacesPictures::builtPictureShowsAtItsSize()
{
    QWidget parent;
    auto *picture = static_cast<QLabel *>(ui::buildControl(&parent,
        {.kind = ui::ControlKind::Picture,
            .twips = {0, 0, 9612, 7212},
            .resource = ":/pictures/background.bmp"}));
    QVERIFY(picture->hasScaledContents());
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());
}

QTEST_MAIN(TestFacesPictures)
#include "tst_faces_pictures.moc"
