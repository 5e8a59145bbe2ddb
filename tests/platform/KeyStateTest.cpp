#include "platform/KeyState.h"

#include <QTest>
#include <QWindow>

class KeyStateTest : public QObject
{
    Q_OBJECT

private slots:
    void modifiersHeldNow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("alt");
        QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << true << false;
        QTest::newRow("alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false << true;
        QTest::newRow("control") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false << false;
    }

    void modifiersHeldNow()
    {
        QFETCH(int, key);
        QFETCH(int, modifier);
        QFETCH(bool, shift);
        QFETCH(bool, alt);
        QWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!IsShiftDown());
        QVERIFY(!IsAltDown());
        // While a modifier key is down, the keyboard reports it as held.
        QTest::keyPress(&window, Qt::Key(key), Qt::KeyboardModifiers(modifier));
        QCOMPARE(IsShiftDown(), shift);
        QCOMPARE(IsAltDown(), alt);
        QTest::keyRelease(&window, Qt::Key(key));
        QVERIFY(!IsShiftDown());
        QVERIFY(!IsAltDown());
    }
};

QTEST_MAIN(KeyStateTest)
#include "KeyStateTest.moc"
