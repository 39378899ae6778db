#include "skins/cDIBSection.h"

#include <QImage>
#include <QTest>

class TestDibSection : public QObject {
    Q_OBJECT

private slots:
    // Pixel i, counted along the rows from the top left, is red 3i + 1, green 3i + 2, blue 3i + 3.
    void laterPictureIsStoredBottomRowFirstInBlueGreenRedWithZeroPadding()
    {
        QImage image(3, 2, QImage::Format_RGB32);
        for (int i = 0; i < 6; ++i)
            image.setPixel(i % 3, i / 3, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
        cDIBSection dib;
        dib.CreateFromPicture(QImage(5, 5, QImage::Format_RGB32));  // to be replaced
        dib.CreateFromPicture(image);
        QCOMPARE(QSize(dib.Width(), dib.Height()), QSize(3, 2));
        const auto* bytes = reinterpret_cast<const char*>(dib.DIBSectionBitsPtr());
        QCOMPARE(QByteArray(bytes, 24), QByteArray::fromHex("0c0b0a 0f0e0d 121110 000000"
                                                            "030201 060504 090807 000000"));
    }

    // Width 4 takes exactly 12 bytes a row: no padding.
    void rowTakesThreeBytesAPixelRoundedUpToFour()
    {
        cDIBSection dib;
        for (const auto& [width, line] : {std::pair{1, 4}, {2, 8}, {3, 12}, {4, 12}, {480, 1440}}) {
            QVERIFY(dib.Create(width, 1));
            QCOMPARE(dib.BytesPerScanLine(), line);
        }
    }

    void clearUpAndARefusedSizeLeaveNoBufferButTheSizeAskedFor()
    {
        cDIBSection dib;
        QVERIFY(dib.Create(3, 2));
        dib.ClearUp();
        QVERIFY(!dib.DIBSectionBitsPtr());
        QCOMPARE(QSize(dib.Width(), dib.Height()), QSize(3, 2));

        QVERIFY(dib.Create(2, 2));
        QVERIFY(!dib.Create(100'000, 100'000));  // 30 GB: refused before any allocation
        QVERIFY(!dib.DIBSectionBitsPtr());
        QCOMPARE(QSize(dib.Width(), dib.Height()), QSize(100'000, 100'000));
    }
};

QTEST_MAIN(TestDibSection)
#include "tst_cdibsection.moc"
