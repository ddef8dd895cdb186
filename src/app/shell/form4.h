#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace quorvane {

/// "Audit Report": the audit listing printed line by line in a fixed-pitch font, so its
/// character columns line up.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    /// Clears the window and prints these lines.
    void Print(const std::vector<std::string>& lines);
    /// The printed lines, as they stand.
    std::vector<std::string> Lines() const;

private:
    QPlainTextEdit* Text1 = nullptr;
};

}  // namespace quorvane
