#include <QtTest>
class TestHints : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestHints)
#include "tst_hints.moc"
