#include "app/shell/form4.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quorvane {

Form4::Form4(QWidget* parent) : QWidget(parent), Text1(new QPlainTextEdit(this)) {
    setObjectName("Form4");
    setWindowTitle("Audit Report");
    Text1->setObjectName("Text1");
    Text1->setAccessibleName("Audit Report");
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);
}

void Form4::Print(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) text << QString::fromStdString(line);
    Text1->setPlainText(text.join('\n'));
}

std::vector<std::string> Form4::Lines() const {
    std::vector<std::string> lines;
    const QStringList text = Text1->toPlainText().split('\n');
    for (const QString& line : text) lines.push_back(line.toStdString());
    return lines;
}

}  // namespace quorvane
