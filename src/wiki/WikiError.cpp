#include "wiki/WikiError.h"

namespace {

QString text(const WikiError &e)
{
    switch (e.kind) {
    case WikiError::None:
        return QString();
    case WikiError::EditConflict:
        if (e.revision > 0)
            return QStringLiteral("התנגשות עריכה: הדף \"%1\" נשמר בוויקי מאז שנפתח (גרסה %2). הטקסט לא נשמר.")
                .arg(e.title)
                .arg(e.revision);
        return QStringLiteral("התנגשות עריכה: הדף \"%1\" נשמר בוויקי מאז שנפתח. הטקסט לא נשמר.").arg(e.title);
    case WikiError::PageDeleted:
        return QStringLiteral("הדף \"%1\" נמחק בוויקי מאז שנפתח. הטקסט לא נשמר.").arg(e.title);
    case WikiError::PageMissing:
        return QStringLiteral("הדף \"%1\" אינו קיים בוויקי.").arg(e.title);
    case WikiError::BadTitle:
        return QStringLiteral("\"%1\" אינו שם של דף בוויקי.").arg(e.title);
    case WikiError::Protected:
        return QStringLiteral("הדף \"%1\" מוגן, ואין לך הרשאה לערוך אותו. הטקסט לא נשמר.").arg(e.title);
    case WikiError::WrongPassword:
        return QStringLiteral("הכניסה לוויקי נכשלה: שם המשתמש או סיסמת הבוט שגויים.");
    case WikiError::Blocked:
        return QStringLiteral("המשתמש חסום מעריכה בוויקי. הטקסט לא נשמר.");
    case WikiError::RateLimited:
        return QStringLiteral("הוויקי מגביל את קצב העריכות של המשתמש. הטקסט לא נשמר; נסה שוב בעוד כמה דקות.");
    case WikiError::Lagged:
        return QStringLiteral("שרתי הוויקי עמוסים כעת. נסה שוב בעוד כמה דקות.");
    case WikiError::NoChange:
        return QStringLiteral("אין שינוי: הטקסט זהה לדף \"%1\" שבוויקי (הוויקי שומר טקסט בצורת היוניקוד NFC).")
            .arg(e.title);
    case WikiError::Damaged:
        return QStringLiteral("הטקסט נפגם בדרך לוויקי ולכן לא נשמר.");
    case WikiError::LoggedOut:
        return QStringLiteral("החיבור לוויקי פג. הטקסט לא נשמר.");
    case WikiError::NoNetwork:
        return QStringLiteral("אין חיבור לשרת הוויקי (%1).").arg(e.detail);
    case WikiError::NotMediaWiki:
        return QStringLiteral("הכתובת אינה ממשק של מדיה־ויקי (api.php).");
    case WikiError::BadAnswer:
        return QStringLiteral("לא ניתן לקרוא את תשובת הוויקי (%1).").arg(e.detail);
    case WikiError::ServerError:
        return QStringLiteral("שרת הוויקי השיב בשגיאה (%1).").arg(e.detail);
    case WikiError::Redirected:
        return QStringLiteral("שרת הוויקי הפנה לכתובת אחרת (%1). הבקשה לא נשלחה אליה.").arg(e.detail);
    case WikiError::TimedOut:
        return QStringLiteral("שרת הוויקי לא ענה בזמן.");
    case WikiError::Cancelled:
        return QStringLiteral("הפעולה בוטלה.");
    case WikiError::Blank:
        return QStringLiteral("הטקסט ריק, ושמירתו הייתה מרוקנת את הדף \"%1\" בוויקי. הטקסט לא נשמר.").arg(e.title);
    case WikiError::Refused:
        break;
    }
    return QStringLiteral("הוויקי סירב: %1").arg(e.detail);
}

} // namespace

QString WikiError::message() const
{
    if (!maybeSaved)
        return text(*this);
    return text(*this) + QStringLiteral(" ייתכן שהוויקי שמר את הטקסט בכל זאת; בדוק את הדף בוויקי.");
}
