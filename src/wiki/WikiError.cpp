#include "wiki/WikiError.h"

QString WikiError::message() const
{
    switch (kind) {
    case None:
        return QString();
    case EditConflict:
        if (revision > 0)
            return QStringLiteral("התנגשות עריכה: הדף \"%1\" נשמר בוויקי מאז שנפתח (גרסה %2). הטקסט לא נשמר.")
                .arg(title)
                .arg(revision);
        return QStringLiteral("התנגשות עריכה: הדף \"%1\" נשמר בוויקי מאז שנפתח. הטקסט לא נשמר.").arg(title);
    case PageDeleted:
        return QStringLiteral("הדף \"%1\" נמחק בוויקי מאז שנפתח. הטקסט לא נשמר.").arg(title);
    case PageMissing:
        return QStringLiteral("הדף \"%1\" אינו קיים בוויקי.").arg(title);
    case BadTitle:
        return QStringLiteral("\"%1\" אינו שם של דף בוויקי.").arg(title);
    case Protected:
        return QStringLiteral("הדף \"%1\" מוגן, ואין לך הרשאה לערוך אותו. הטקסט לא נשמר.").arg(title);
    case WrongPassword:
        return QStringLiteral("הכניסה לוויקי נכשלה: שם המשתמש או סיסמת הבוט שגויים.");
    case Blocked:
        return QStringLiteral("המשתמש חסום מעריכה בוויקי. הטקסט לא נשמר.");
    case RateLimited:
        return QStringLiteral("הוויקי מגביל את קצב העריכות של המשתמש. הטקסט לא נשמר; נסה שוב בעוד כמה דקות.");
    case Lagged:
        return QStringLiteral("שרתי הוויקי עמוסים כעת. נסה שוב בעוד כמה דקות.");
    case NoChange:
        return QStringLiteral("אין שינוי: הטקסט זהה לדף \"%1\" שבוויקי (הוויקי שומר טקסט בצורת היוניקוד NFC).")
            .arg(title);
    case Damaged:
        return QStringLiteral("הטקסט נפגם בדרך לוויקי ולכן לא נשמר.");
    case LoggedOut:
        return QStringLiteral("החיבור לוויקי פג. הטקסט לא נשמר.");
    case NoNetwork:
        return QStringLiteral("אין חיבור לשרת הוויקי (%1).").arg(detail);
    case NotMediaWiki:
        return QStringLiteral("הכתובת אינה ממשק של מדיה־ויקי (api.php).");
    case TimedOut:
        return QStringLiteral("שרת הוויקי לא ענה בזמן.");
    case Cancelled:
        return QStringLiteral("הפעולה בוטלה.");
    case Refused:
        break;
    }
    return QStringLiteral("הוויקי סירב: %1").arg(detail);
}
