#pragma once

#include <QObject>

// While the About window is open its heart shows on the main window, and the
// function keys and the save lamp leave the window alone.
class AboutMode : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isOn() const { return m_on; }
    void setOn(bool on)
    {
        if (on == m_on)
            return;
        m_on = on;
        emit changed(on);
    }

signals:
    void changed(bool on);

private:
    bool m_on = false;
};
