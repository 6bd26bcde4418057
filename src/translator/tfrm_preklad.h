#pragma once
// The progress window of a text translation. Shown modally by the translator page;
// once it is up, its one-shot timer runs the translation, which closes the window
// when it is done. Each showing runs exactly one translation.

#include <QDialog>
#include <functional>

class QTimer;

namespace Ui {
class TfrmPreklad;
}

namespace lexavo {

class TfrmPreklad : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTimerIntervalMs = 100;

    explicit TfrmPreklad(QWidget* parent = nullptr);
    ~TfrmPreklad() override;

    // What the timer's tick runs: the main window's translateText.
    void setTranslation(std::function<void()> translation) {
        translation_ = std::move(translation);
    }

    void FormActivate();
    void Timer1Timer();
    // The one-shot timer of this showing: whether its tick is still to come, and
    // stopping it (the translation's first step).
    bool timerActive() const;
    void stopTimer();

  protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    QTimer* Timer1;
    Ui::TfrmPreklad* ui;
    std::function<void()> translation_;
    // Set by the tick of this showing, so that an activation after it (a message
    // box closing, say) cannot start a second translation.
    bool ranThisShowing_ = false;
};

}  // namespace lexavo
