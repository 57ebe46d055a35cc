#pragma once

#include <QDialog>
#include <vector>

class FrameCommands;
class QListWidget;
class QListWidgetItem;

// "Customize": which of the toolbar's buttons show and in what order, with
// separators; "Reset" brings back the program's own layout. Every change
// applies at once.
class CToolbarCustomizeDlg : public QDialog {
    Q_OBJECT
public:
    CToolbarCustomizeDlg(FrameCommands& commands, const std::vector<int>& buttons, QWidget* parent);

    std::vector<int> Buttons() const;
    void Reset();

signals:
    void ButtonsChanged(const std::vector<int>& buttons);

private:
    void Fill(const std::vector<int>& buttons);
    QListWidgetItem* AddItem(int id, bool shown);
    void Move(int by);
    void AddSeparator();
    void Changed();

    FrameCommands& m_commands;
    QListWidget* m_list;
    bool m_filling = false;
};
