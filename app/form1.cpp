#include "app/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <limits>

#include "app/failure_display.h"
#include "app/group_radio_button.h"
#include "app/qt_cp932.h"
#include "app/run_in_progress.h"
#include "app/stored_frame.h"
#include "app/window_fonts.h"
#include "run/conversion.h"
#include "run/run_failure.h"

namespace velmora {

namespace {

// The window's frame on the screen: top-left corner and outer size, pixels.
constexpr QRect kOuterFrame(697, 261, 534, 558);

// A new control of the client area, named and placed (left, top, width,
// height in pixels from the client area's top-left corner).
template <typename Control>
Control* NewControl(QWidget* client, const char* name, const QRect& geometry) {
  auto* control = new Control(client);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}

// A label in the label font, sized to its text.
void SetUpLabel(QLabel* label, const QString& text) {
  label->setFont(LabelFont());
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->adjustSize();
}

// A single-line text box without a length limit.
void SetUpEdit(QLineEdit* edit, const QString& text) {
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setText(text);
}

}  // namespace

TForm1::TForm1(const TFailureDisplay& failureDisplay)
    : client_(new QWidget),
      Button1(NewControl<QPushButton>(client_, "Button1", {432, 496, 75, 25})),
      Edit1(NewControl<QLineEdit>(client_, "Edit1", {136, 352, 217, 20})),
      Label1(NewControl<QLabel>(client_, "Label1", {16, 16, 268, 16})),
      Label2(NewControl<QLabel>(client_, "Label2", {24, 56, 64, 16})),
      Memo1(NewControl<QPlainTextEdit>(client_, "Memo1", {16, 88, 497, 249})),
      Label3(NewControl<QLabel>(client_, "Label3", {24, 352, 80, 16})),
      Label4(NewControl<QLabel>(client_, "Label4", {24, 424, 102, 16})),
      Label5(NewControl<QLabel>(client_, "Label5", {24, 456, 102, 16})),
      Y_min(NewControl<QLineEdit>(client_, "Y_min", {136, 424, 113, 20})),
      X_min(NewControl<QLineEdit>(client_, "X_min", {136, 456, 113, 20})),
      Label6(NewControl<QLabel>(client_, "Label6", {264, 424, 106, 16})),
      Y_max(NewControl<QLineEdit>(client_, "Y_max", {376, 424, 121, 20})),
      Label7(NewControl<QLabel>(client_, "Label7", {264, 456, 106, 16})),
      X_max(NewControl<QLineEdit>(client_, "X_max", {376, 456, 121, 20})),
      Label8(NewControl<QLabel>(client_, "Label8", {24, 384, 70, 16})),
      Edit2(NewControl<QLineEdit>(client_, "Edit2", {136, 384, 217, 20})),
      RadioButton1(NewControl<TGroupRadioButton>(client_, "RadioButton1", {136, 56, 113, 17})),
      RadioButton2(NewControl<TGroupRadioButton>(client_, "RadioButton2", {264, 56, 113, 17})),
      RadioButton3(NewControl<TGroupRadioButton>(client_, "RadioButton3", {392, 56, 113, 17})),
      log_(*Memo1),
      failureDisplay_(failureDisplay) {
  SetUpControls();
  SetUpWindow();
  SetTabOrder();
  ConnectHandlers();
}

void TForm1::SetUpWindow() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Velmora_v1.0"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  new TStoredFrame(*this, kOuterFrame);

  // The client area never shrinks below its controls; the window scrolls.
  const QRect controls = client_->childrenRect();
  client_->setMinimumSize(controls.right() + 1, controls.bottom() + 1);
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setWidgetResizable(true);
  scroll->setWidget(client_);
  setCentralWidget(scroll);
}

void TForm1::SetUpControls() {
  SetUpLabel(Label1, QStringLiteral("Velmora"));
  SetUpLabel(Label2, QStringLiteral("変換形式"));
  SetUpLabel(Label3, QStringLiteral("ＣＤドライブ "));
  SetUpLabel(Label4, QStringLiteral("緯度南側 (min)"));
  SetUpLabel(Label5, QStringLiteral("経度西側 (min)"));
  SetUpLabel(Label6, QStringLiteral("緯度北側 (max)"));
  SetUpLabel(Label7, QStringLiteral("経度東側 (max)"));
  SetUpLabel(Label8, QStringLiteral("ファイル名"));

  SetUpEdit(Edit1, QStringLiteral("D:"));
  SetUpEdit(Edit2, QStringLiteral("File name"));
  SetUpEdit(Y_min, QStringLiteral("26.056649"));
  SetUpEdit(Y_max, QStringLiteral("26.881738"));
  SetUpEdit(X_min, QStringLiteral("127.619553"));
  SetUpEdit(X_max, QStringLiteral("128.357271"));

  RadioButton1->setText(FromCp932(OutputFormatName(TOutputFormat::ofPointMif)));
  RadioButton2->setText(FromCp932(OutputFormatName(TOutputFormat::ofRegionMif)));
  RadioButton3->setText(FromCp932(OutputFormatName(TOutputFormat::ofXyzText)));

  // Editable, wrapped at its width, no scroll bars, Tab moves the focus on.
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setTabChangesFocus(true);
  Memo1->setPlainText(QStringLiteral("処理状況表示\n"));

  // A push button outside a dialog clicks on Enter only when auto-default.
  Button1->setText(QStringLiteral("処理開始"));
  Button1->setAutoDefault(true);
}

void TForm1::SetTabOrder() {
  QWidget* const order[] = {Button1, Memo1, Edit1,        Y_min,        X_min,       Y_max,
                            X_max,   Edit2, RadioButton1, RadioButton2, RadioButton3};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  Button1->setFocus();
}

template <typename Sender, typename Signal, typename Handler>
void TForm1::Handle(Sender* sender, Signal signal, Handler handler) {
  connect(sender, signal, this,
          [this, handler](bool value) { failureDisplay_.Catch([&] { handler(value); }); });
}

void TForm1::ConnectHandlers() {
  Handle(Button1, &QPushButton::clicked, [this](bool) { Button1Click(); });
  Handle(RadioButton1, &QRadioButton::toggled, [this](bool on) {
    if (on) RadioButton1Click();
  });
  Handle(RadioButton2, &QRadioButton::toggled, [this](bool on) {
    if (on) RadioButton2Click();
  });
  Handle(RadioButton3, &QRadioButton::toggled, [this](bool on) {
    if (on) RadioButton3Click();
  });
}

void TForm1::Button1Click() {
  // The run's failure is shown while the run still holds the window, so a
  // close request made meanwhile waits until the box is closed as well.
  TRunInProgress run(*this, log_);
  try {
    RunConversion(RequestFromControls(), run);
  } catch (const ERunFailure& failure) {
    failureDisplay_.Show(failure.message());
  }
}

void TForm1::RadioButton1Click() { log_.Add(ToCp932(RadioButton1->text())); }

void TForm1::RadioButton2Click() { log_.Add(ToCp932(RadioButton2->text())); }

void TForm1::RadioButton3Click() { log_.Add(ToCp932(RadioButton3->text())); }

TRunRequest TForm1::RequestFromControls() const {
  TRunRequest request;
  request.dataRoot = ToCp932(Edit1->text());
  request.baseName = ToCp932(Edit2->text());
  request.Y_min = ToCp932(Y_min->text());
  request.Y_max = ToCp932(Y_max->text());
  request.X_min = ToCp932(X_min->text());
  request.X_max = ToCp932(X_max->text());
  request.format = ChosenFormat();
  return request;
}

std::optional<TOutputFormat> TForm1::ChosenFormat() const {
  if (RadioButton1->isChecked()) return TOutputFormat::ofPointMif;
  if (RadioButton2->isChecked()) return TOutputFormat::ofRegionMif;
  if (RadioButton3->isChecked()) return TOutputFormat::ofXyzText;
  return std::nullopt;
}

}  // namespace velmora
