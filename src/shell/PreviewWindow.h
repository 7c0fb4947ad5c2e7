#pragma once

#include "reports/PictureCanvas.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class PageView;

// "Aperçu avant impression": the pages as they will be printed, one at a time, each in its own
// orientation, with page turning, zoom and "&Imprimer".
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(const QList<PreviewPage>& pages, std::function<void()> print, QWidget* parent);
    ~PreviewWindow() override;

    int currentPage() const { return current_; }
    void showPage(int index);
    // Larger or smaller by one step, within limits.
    void zoom(int steps);
    double zoomFactor() const;

private:
    void refresh();

    QList<PreviewPage> pages_;
    int current_ = 0;
    int zoomSteps_ = 0;
    PageView* view_;
    QScrollArea* scroll_;
    QLabel* pageNumber_;
    QPushButton* previous_;
    QPushButton* next_;
};
