#include "app/editing/form8.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/dialog_controls.h"
#include "app/controls/twips.h"
#include "engine/simulation.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

constexpr Palette AutoColour = Palette::LightRed;   ///< colour of "AUTO" in the PRBS duration field

}  // namespace

Form8::Form8(Simulation& sim, QWidget* parent) : EditDialog(parent), Sim(sim) {
    setObjectName("Form8");
    Text1 = MakeField(this, "Text1");
    Text1->setToolTip("Label to be used on graphs / displays");
    Text2 = MakeField(this, "Text2");
    Text2->setToolTip("Engineering units applicable to this block");

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    Text5 = MakeField(Frame2, "Text5");
    (new QVBoxLayout(Frame2))->addWidget(Text5);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Text3 = MakeField(Frame1, "Text3");
    Text4 = MakeField(Frame1, "Text4");
    auto* limits = new QGridLayout(Frame1);
    limits->addWidget(MakeLabel(Frame1, "Label3", "High", Text3), 0, 0);
    limits->addWidget(Text3, 0, 1);
    limits->addWidget(MakeLabel(Frame1, "Label4", "Low", Text4), 1, 0);
    limits->addWidget(Text4, 1, 1);

    Frame4 = new QGroupBox(this);
    Frame4->setObjectName("Frame4");
    auto* constants = new QGridLayout(Frame4);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Constants[k] = MakeField(Frame4, ("Text" + std::to_string(7 + i)).c_str());
        // Room for a float written out in full beside the longest caption.
        Constants[k]->setMinimumWidth(Constants[k]->fontMetrics().horizontalAdvance(QStringLiteral("-1.234567E+38  ")));
        ConstantLabels[k] = MakeLabel(Frame4, ("Label" + std::to_string(8 + i)).c_str(), "", Constants[k]);
        constants->addWidget(ConstantLabels[k], i, 0);
        constants->addWidget(Constants[k], i, 1);
    }
    Check1 = MakeCheckBox(Frame4, "Check1", "Automatic Time Span");
    constants->addWidget(Check1, 3, 0, 1, 2);
    constants->setColumnStretch(1, 1);

    Label11 = new QLabel(this);
    Label11->setObjectName("Label11");
    Label11->setAccessibleDescription("Current Output");
    QHBoxLayout* buttons = DialogButtons(this, Command2, Command1, Command3, {"Command2", "Command1", "Command3"});

    auto* names = new QGridLayout;
    names->addWidget(MakeLabel(this, "Label1", "Title", Text1), 0, 0);
    names->addWidget(Text1, 0, 1);
    names->addWidget(MakeLabel(this, "Label2", "Units", Text2), 1, 0);
    names->addWidget(Text2, 1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame1);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(Frame4);
    auto* output = new QHBoxLayout;
    output->addWidget(new QLabel("Current Output", this));
    output->addWidget(Label11, 1);
    right->addLayout(output);
    right->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form8::Check1_Click);
    connect(Constants[0], &QLineEdit::textEdited, this, &Form8::Text7_Change);
}

void Form8::Open(int form, int block) {
    const int code = Sim.Forms[form].Blocks[block].FunctionCode;
    if (!HasAdjustableProperties(code)) {
        Close();
        if (const auto topic = OfferDisplayHelp(Sim, code)) RequestHelp(*topic);
        return;
    }
    Load(ActivateBlockProperties(Sim, form, block));
    layout()->activate();
    resize(QSize(TwipsToPixels(Fields.Width), TwipsToPixels(Fields.Height)).expandedTo(minimumSizeHint()));
    ShowWithFocus(Text1);
}

void Form8::Load(const BlockPropertiesFields& f) {
    Fields = f;
    setWindowTitle(ToQString(f.Caption));
    ShowText(Text1, f.Title);
    ShowText(Text2, f.Units);
    Frame2->setTitle(LiteralCaption(f.InitialCaption));
    Text5->setAccessibleName(ToQString(f.InitialCaption));
    ShowText(Text5, f.InitialCondition);
    Frame1->setTitle(LiteralCaption(f.SaturationCaption));
    ShowText(Text3, f.High);
    ShowText(Text4, f.Low);
    Frame4->setTitle(LiteralCaption(f.ConstantsCaption));
    for (std::size_t k = 0; k < 3; ++k) {
        ShowCaption(ConstantLabels[k], f.ConstantLabel[k]);
        ConstantLabels[k]->setVisible(!f.ConstantLabel[k].empty());
        ShowText(Constants[k], f.Constant[k]);
        Constants[k]->setVisible(f.ConstantVisible[k]);
        Constants[k]->setEnabled(f.ConstantEnabled[k]);
    }
    QPalette duration = Text1->palette();
    if (f.Constant2Auto) duration.setColor(QPalette::Text, ToQColor(PaletteColour(AutoColour)));
    Constants[1]->setPalette(duration);
    Constants[2]->setToolTip(ToQString(f.Constant3ToolTip));
    Label11->setText(ToQString(f.CurrentOutput));
    Check1->setVisible(f.TimeSpanVisible);
    Check1->setEnabled(f.TimeSpanEnabled);
    Check1->setChecked(f.TimeSpanChecked);
    Check1->setToolTip(ToQString(f.TimeSpanToolTip));
    Frame2->setVisible(f.InitialVisible);
    Frame1->setVisible(f.SaturationVisible);
    Frame4->setVisible(f.ConstantsVisible);
}

BlockPropertiesFields Form8::Store() const {
    BlockPropertiesFields f = Fields;
    f.Title = FromQString(Text1->text());
    f.Units = FromQString(Text2->text());
    f.InitialCondition = FromQString(Text5->text());
    f.High = FromQString(Text3->text());
    f.Low = FromQString(Text4->text());
    for (std::size_t k = 0; k < 3; ++k) f.Constant[k] = FromQString(Constants[k]->text());
    f.TimeSpanChecked = Check1->isChecked();
    return f;
}

void Form8::Command2_Click() {
    const BlockStoreResult result = StoreBlockProperties(Sim, Store());
    if (result.Outcome != BlockStoreOutcome::Refused) {
        const int form = Fields.Form;
        Close();
        if (result.Outcome == BlockStoreOutcome::Stored) emit BlockEdited(form);
        return;
    }
    switch (result.Refused) {
    case BlockField::Saturation: Text4->setFocus(); break;
    case BlockField::Constant1: Constants[0]->setFocus(); break;
    case BlockField::Constant2: Constants[1]->setFocus(); break;
    case BlockField::Constant3: Constants[2]->setFocus(); break;
    case BlockField::None: break;
    }
}

void Form8::Command1_Click() { Close(); }

void Form8::Command3_Click() { RequestHelp(BlockHelp(Fields.FunctionCode)); }

void Form8::reject() { Command1_Click(); }

void Form8::Check1_Click(bool checked) {
    BlockPropertiesFields f = Store();
    SetAutomaticTimeSpan(Sim, f, checked);
    Load(f);
}

void Form8::Text7_Change() {
    BlockPropertiesFields f = Store();
    UpdateRecommendedSpan(Sim, f);
    Load(f);
}

void Form8::Close() {
    hide();
    Fields = BlockPropertiesFields{};
}

}  // namespace quorvane
