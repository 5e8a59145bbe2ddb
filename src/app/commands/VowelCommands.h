#pragma once

#include <QChar>
#include <QIcon>
#include <QObject>
#include <QString>

class TForm1;

// The vowel-point toolbar: fifteen buttons that put a point at the caret, and the
// toolbar's popup item that shows or hides them and keeps the choice in the settings.
class VowelCommands : public QObject {
    Q_OBJECT

public:
    explicit VowelCommands(TForm1 &form);

    // The point a button puts in ("Dagesh" -> U+05BC); a null character for others.
    static QChar pointOf(const QString &buttonName);
    // The buttons in toolbar order.
    static QStringList buttonNames();
    // A button's picture: the point on a dotted circle, in a Hebrew font.
    static QIcon pointIcon(QChar point);

    void InsertVowelPoint(QChar point);
    void ToolbarPopupPopup();
    void NikkudClick(bool checked);

private:
    TForm1 &m_form;
};
