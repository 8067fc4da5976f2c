#pragma once
// The sections of the preferences dialog's panels: a heading with a small
// picture beside it and an etched rule running from the heading to the
// panel's right edge.

#include <QPixmap>
#include <QWidget>

#include <vector>

class QLabel;
class QPainter;

namespace brisance {

// The pictures beside the headings, one per kind of section.
enum class SectionIcon { Graph, Table, Average, Notes, Palette, Reflex, Tympanogram };

// The picture of a section, 16 by 16 pixels on a transparent ground.
QPixmap SectionIconPixmap(SectionIcon icon);

// Draws the etched rule of a heading on its panel: a grey line at the
// heading's middle from 100 twips after its text to 250 twips before the
// panel's right edge, and a white line one pixel below it.
void DrawSectionRule(QPainter& painter, const QLabel& heading, const QWidget& panel);

// A borderless panel that draws the rule of each of its headings behind its
// controls.
class SectionPanel : public QWidget {
public:
    explicit SectionPanel(QWidget* parent) : QWidget(parent) {}

    void AddHeading(const QLabel* heading) { m_headings.push_back(heading); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<const QLabel*> m_headings;
};

}  // namespace brisance
