#pragma once

#include <QObject>

class EntryGuideDialog;

// The help menu: the entry guide, the help file, the About window and the links.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    explicit HelpCommands(EntryGuideDialog &guide);

    void showGuide();

private:
    EntryGuideDialog &m_guide;
};
