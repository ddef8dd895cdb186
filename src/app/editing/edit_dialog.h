#pragma once

#include <QDialog>

#include "forms/help_topic.h"

namespace quorvane {

/// A modeless window that edits one item of the model (a block, a terminal, a form): it opens
/// in front with the keyboard in its first field, lets go of the focus as it hides, and asks
/// for the manual at its topic.
class EditDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

signals:
    void HelpRequested(int topicKey, int manual);

protected:
    /// Shows the window in front of the others with the keyboard in `field`.
    void ShowWithFocus(QWidget* field);
    void RequestHelp(HelpTopic topic) { emit HelpRequested(topic.Key, topic.Manual); }
    /// The field that had the focus lets it go, so that it does not go on drawing its text
    /// cursor beside the focused field when the window opens again.
    void hideEvent(QHideEvent* event) override;
};

}  // namespace quorvane
