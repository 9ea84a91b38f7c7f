#pragma once

#include "common/Units.h"
#include "output/AssemblyAids.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;

// The save dialog's frame of PDF assembly aids: glue strip with its width, cut marks,
// sheet labels and the assembly page. Emits changed on every edit.
class AssemblyAidsWidget : public QGroupBox
{
    Q_OBJECT
public:
    explicit AssemblyAidsWidget(QWidget *parent = nullptr);

    void setAids(const AssemblyAids &aids, Units units);
    // The aids as set; a width that is empty or not a number of 0 or more means the default.
    // An aid without room keeps the choice made before, for a poster whose margins have it.
    AssemblyAids aids() const;
    // What the poster's margins have room for: an aid without it shows unticked and cannot
    // be ticked, and the notes say what margin it needs.
    void setRoom(const AidsRoom &room, const QStringList &notes);

Q_SIGNALS:
    void changed();

private:
    QCheckBox *chkGlueStrip = nullptr;
    QLineEdit *txtGlueStrip = nullptr;
    QLabel *lblGlueUnits = nullptr;
    QCheckBox *chkCutMarks = nullptr;
    QCheckBox *chkLabels = nullptr;
    QCheckBox *chkAssemblyPage = nullptr;
    QLabel *lblWithoutRoom = nullptr;
    AssemblyAids m_chosen; // as set, for the aids without room
    AidsRoom m_room;
};
