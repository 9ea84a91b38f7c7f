#include "output/AssemblyAidsWidget.h"

#include "resources/SaveWindowStrings.h"

#include "common/NumberFormat.h"
#include "dialogs/ControlSetup.h"
#include "resources/PosterStrings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

AssemblyAidsWidget::AssemblyAidsWidget(QWidget *parent) : QGroupBox(PosterStrings::kAssemblyAidsFrame, parent)
{
    setObjectName(QStringLiteral("fraAssemblyAids"));
    chkGlueStrip = named(new QCheckBox(PosterStrings::kGlueStripCaption, this), QStringLiteral("chkGlueStrip"));
    txtGlueStrip = named(new QLineEdit(this), QStringLiteral("txtGlueStrip"));
    txtGlueStrip->setPlaceholderText(SaveWindowStrings::kGlueStripDefault);
    // Room for the placeholder in any language, or for a length such as 10.5.
    const int textWidth = std::max(fontMetrics().horizontalAdvance(txtGlueStrip->placeholderText()),
                                   fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    txtGlueStrip->setMaximumWidth(textWidth + fontMetrics().averageCharWidth() * 3);
    lblGlueUnits = named(new QLabel(this), QStringLiteral("lblGlueUnits"));
    chkCutMarks = named(new QCheckBox(PosterStrings::kCutMarksCaption, this), QStringLiteral("chkCutMarks"));
    chkLabels = named(new QCheckBox(PosterStrings::kLabelsCaption, this), QStringLiteral("chkLabels"));
    chkAssemblyPage =
        named(new QCheckBox(PosterStrings::kAssemblyPageCaption, this), QStringLiteral("chkAssemblyPage"));

    auto *glue = new QHBoxLayout;
    glue->addWidget(new QLabel(PosterStrings::kGlueLengthCaption, this));
    glue->addWidget(txtGlueStrip);
    glue->addWidget(lblGlueUnits);
    glue->addStretch();
    auto *column = new QVBoxLayout(this);
    column->addWidget(chkGlueStrip);
    column->addLayout(glue);
    column->addWidget(chkCutMarks);
    column->addWidget(chkLabels);
    column->addWidget(chkAssemblyPage);
    lblWithoutRoom = named(new QLabel(this), QStringLiteral("lblWithoutRoom"));
    lblWithoutRoom->setWordWrap(true);
    lblWithoutRoom->setVisible(false);
    column->addWidget(lblWithoutRoom);

    for (QCheckBox *box : {chkGlueStrip, chkCutMarks, chkLabels, chkAssemblyPage})
        connect(box, &QCheckBox::toggled, this, &AssemblyAidsWidget::changed);
    connect(chkGlueStrip, &QCheckBox::toggled, txtGlueStrip, &QWidget::setEnabled);
    connect(txtGlueStrip, &QLineEdit::textEdited, this, &AssemblyAidsWidget::changed);
}

void AssemblyAidsWidget::setAids(const AssemblyAids &aids, Units units)
{
    const QSignalBlocker quietGlue(chkGlueStrip);
    const QSignalBlocker quietCut(chkCutMarks);
    const QSignalBlocker quietLabels(chkLabels);
    const QSignalBlocker quietPage(chkAssemblyPage);
    m_chosen = aids;
    chkGlueStrip->setChecked(aids.glueStrip);
    txtGlueStrip->setEnabled(aids.glueStrip);
    txtGlueStrip->setText(aids.glueStripLength ? basicNumberText(*aids.glueStripLength) : QString());
    lblGlueUnits->setText(units == Units::Inches ? PosterStrings::kInches : PosterStrings::kMillimetres);
    chkCutMarks->setChecked(aids.cutMarks);
    chkLabels->setChecked(aids.labels);
    chkAssemblyPage->setChecked(aids.assemblyPage);
}

void AssemblyAidsWidget::setRoom(const AidsRoom &room, const QStringList &notes)
{
    m_chosen = aids();
    m_room = room;
    const QSignalBlocker quietGlue(chkGlueStrip);
    const QSignalBlocker quietCut(chkCutMarks);
    const QSignalBlocker quietLabels(chkLabels);
    const struct
    {
        QCheckBox *box;
        bool room;
        bool chosen;
    } shown[] = {{chkGlueStrip, room.glueStrip, m_chosen.glueStrip},
                 {chkCutMarks, room.cutMarks, m_chosen.cutMarks},
                 {chkLabels, room.labels, m_chosen.labels}};
    for (const auto &[box, hasRoom, chosen] : shown) {
        box->setEnabled(hasRoom);
        box->setChecked(hasRoom && chosen);
    }
    txtGlueStrip->setEnabled(room.glueStrip && m_chosen.glueStrip);
    lblWithoutRoom->setText(notes.join(u'\n'));
    lblWithoutRoom->setVisible(!notes.isEmpty());
    // A wrapped label does not ask its layout for the height of its lines: each note is
    // given room for the two lines it takes in the frame's width.
    lblWithoutRoom->setMinimumHeight(lblWithoutRoom->fontMetrics().lineSpacing() * 2 * int(notes.size()));
}

AssemblyAids AssemblyAidsWidget::aids() const
{
    AssemblyAids aids;
    aids.glueStrip = m_room.glueStrip ? chkGlueStrip->isChecked() : m_chosen.glueStrip;
    const std::optional<double> length = parseDecimalText(txtGlueStrip->text().trimmed());
    if (length && *length >= 0.0)
        aids.glueStripLength = length;
    aids.cutMarks = m_room.cutMarks ? chkCutMarks->isChecked() : m_chosen.cutMarks;
    aids.labels = m_room.labels ? chkLabels->isChecked() : m_chosen.labels;
    aids.assemblyPage = chkAssemblyPage->isChecked();
    return aids;
}
