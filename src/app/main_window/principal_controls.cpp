// The main window's definition: controls, captions, ranges and design-time state.
#include <algorithm>

#include "app/main_window/principal.h"
#include "app/pictures/minimize_glyph.h"
#include "app/pictures/program_icon.h"
#include "toolkit/controls/access_key.h"

namespace lumaro::app {

using namespace toolkit;

namespace {

constexpr Color kNavy = clNavy;
// What a page leaves for its screw panel below the tab buttons; the view reports the exact size.
constexpr int kPageWidth = 405;
constexpr int kPageHeight = 355;

// The memory read-outs' left edge and the chart's right edge on the RAM page. The chart and the
// read-outs left of it share the row as the total's digits ask (fitMemoryReadOuts).
constexpr int kReadOutLeft = 14;
constexpr int kChartRight = 289;
constexpr int kChartTop = 68;
constexpr int kChartHeight = 177;
constexpr int kChartBottom = kChartTop + kChartHeight;

// What a check box or radio button needs left of its caption: the box and the gap after it.
constexpr int kIndicatorWidth = 20;

int readOutWidth(int digits) {
  return digits * 10 + 1;
}

// The memory read-outs show the machine's total in megabytes: as many digits as it has, at least three.
int readOutDigits(std::int64_t totalMB) {
  int digits = 1;
  for (std::int64_t rest = std::max<std::int64_t>(totalMB, 0); rest >= 10; rest /= 10) ++digits;
  return std::max(3, digits);
}

Font arial(int height, bool bold = false, Color color = clWindowText) {
  return Font{"Arial", height, bold, color};
}

class Builder {
 public:
  Builder(TfrmPrincipal& form, platform::TextService& text) : form_(form), text_(text) {}

  template <class T, class... Args>
  T* make(WinControl* parent, const char* name, Bounds bounds, std::string caption = {}, Args&&... args) {
    T* control = place(form_.create<T>(std::forward<Args>(args)...), parent, name, bounds);
    if (!caption.empty()) control->setCaption(std::move(caption));
    return control;
  }

  // A label that sizes itself to its text, so that no caption is ever cut.
  Label* label(WinControl* parent, const char* name, Point at, std::string caption, Font font = arial(12)) {
    Label* label = place(form_.create<Label>(&text_), parent, name, {at.x, at.y, 0, 0});
    label->setFont(std::move(font));
    label->setCaption(std::move(caption));
    return label;
  }

  template <class T>
  T* place(T& control, WinControl* parent, const char* name, Bounds bounds) {
    control.setName(name);
    control.setParent(parent);
    control.setBounds(bounds);
    control.setFont(arial(12));
    return &control;
  }

  Label* heading(WinControl* parent, const char* name, Point at, std::string caption, Color color = kNavy) {
    return label(parent, name, at, std::move(caption), arial(12, true, color));
  }

  Label* value(WinControl* parent, const char* name, Point at, std::string caption) {
    return label(parent, name, at, std::move(caption), arial(11));
  }

  TrackBar* slider(WinControl* parent, const char* name, Bounds bounds, int min, int max, int position,
                   int frequency, Orientation orientation = Orientation::Horizontal) {
    TrackBar* bar = make<TrackBar>(parent, name, bounds);
    bar->setCursor(Cursor::HandPoint);
    if (orientation == Orientation::Vertical) bar->setThumbLength(15);
    if (orientation == Orientation::Vertical) bar->setTickStyle(TickStyle::None);
    bar->setOrientation(orientation);
    bar->setMax(max);
    bar->setMin(min);
    bar->setPosition(position);
    bar->setFrequency(frequency);
    return bar;
  }

  SpinEdit* spin(WinControl* parent, const char* name, Bounds bounds, double min, double max, double step,
                 double value) {
    SpinEdit* edit = make<SpinEdit>(parent, name, bounds);
    edit->setRange(min, max);
    edit->setIncrement(step);
    edit->setValue(value);
    edit->setEditorEnabled(false);
    edit->setMaxLength(3);
    return edit;
  }

  // Check boxes and radio buttons are as wide as their box and caption.
  CheckBox* check(WinControl* parent, const char* name, Point at, std::string caption, bool checked,
                  Font font = arial(12)) {
    CheckBox* box = make<CheckBox>(parent, name, fitted(at, caption, font), caption);
    box->setFont(std::move(font));
    box->setChecked(checked);
    return box;
  }

  RadioButton* radio(WinControl* parent, const char* name, Point at, std::string caption) {
    return make<RadioButton>(parent, name, fitted(at, caption, arial(12)), caption);
  }

  // A horizontal slider between its two end labels, the lowest value to its left, the highest to its
  // right.
  TrackBar* endedSlider(WinControl* parent, const char* name, int top, int min, int max, int frequency,
                        Label*& low, const char* lowName, std::string lowText, Label*& high,
                        const char* highName, std::string highText) {
    TrackBar* bar = slider(parent, name, {40, top, 290, 30}, min, max, min, frequency);
    low = value(parent, lowName, {14, top + 8}, std::move(lowText));
    high = value(parent, highName, {334, top + 8}, std::move(highText));
    return bar;
  }

  // A cache figure: the navy "(*) " marker, its caption and the value after it.
  void markedFigure(WinControl* parent, int top, Label*& marker, const char* markerName, Label*& caption,
                    const char* captionName, std::string captionText, Label*& figure,
                    const char* figureName) {
    marker = heading(parent, markerName, {14, top}, "(*) ");
    caption = label(parent, captionName, {after(marker), top}, std::move(captionText));
    figure = value(parent, figureName, {after(caption) + 4, top + 1}, "0");
  }

  // The first free column right of a control, a few pixels apart.
  static int after(const Control* control) { return control->bounds().left + control->bounds().width + 3; }

  Bounds fitted(Point at, const std::string& caption, const Font& font) {
    const platform::TextExtent text = text_.textExtent(textFontOf(font), parseAccessKey(caption).text);
    return {at.x, at.y, kIndicatorWidth + text.width + 2, std::max(17, text.height + 2)};
  }

  TabSheet* page(PageControl* pages, const char* name, std::string caption) {
    TabSheet* sheet = make<TabSheet>(pages, name, Bounds{}, std::move(caption));
    sheet->setAlign(Align::Client);
    return sheet;
  }

  // The front plate every page sits on, filling it.
  widgets::TScrewPanel* screwPanel(TabSheet* page, const char* name) {
    auto* panel = make<widgets::TScrewPanel>(page, name, {0, 0, kPageWidth, kPageHeight}, {}, text_);
    panel->setAlign(Align::Client);
    panel->setBevelOuter(Bevel::Lowered);
    panel->setMargin(2);
    panel->setScrewSize(2);
    panel->setShowScrews(true);
    return panel;
  }

  // A read-out of the RAM page with three digits of 10 × 18 pixels.
  widgets::TLEDDisplay* readOut(WinControl* parent, const char* name, Point at, Color led) {
    constexpr int digits = 3;
    const Bounds bounds{at.x, at.y, readOutWidth(digits), 22};
    auto* display = make<widgets::TLEDDisplay>(parent, name, bounds, {}, text_);
    display->setBorderStyle(widgets::TBorderStyle::bsNone);
    display->setDigitHeight(18);
    display->setDigitWidth(10);
    display->setDigitLineWidth(1);
    display->setLEDContrast(8);
    display->setNumDigits(digits);
    display->setColorLED(led);
    return display;
  }

  // An LED meter of the RAM page: no bevel, the button face between the LEDs, zones from 25 and 75.
  widgets::TLEDMeter* meter(WinControl* parent, const char* name, Bounds bounds, Color low, Color middle,
                            Color high, int contrast, int count) {
    auto* bar = make<widgets::TLEDMeter>(parent, name, bounds, {}, text_);
    bar->setBevelStyle(Bevel::None);
    bar->setColorSeperator(clBtnFace);
    bar->setColorLED1(low);
    bar->setColorLED2(middle);
    bar->setColorLED3(high);
    bar->setLEDContrast(contrast);
    bar->setNumDigits(count);
    bar->setStartColor2(25);
    bar->setStartColor3(75);
    return bar;
  }

 private:
  TfrmPrincipal& form_;
  platform::TextService& text_;
};

}  // namespace

void TfrmPrincipal::fitMemoryReadOuts(std::int64_t totalMB) {
  const int digits = readOutDigits(totalMB);
  const int width = readOutWidth(digits);
  for (widgets::TLEDDisplay* display : {LEDDisplayMax, LEDDisplay1, LEDDisplayMin}) {
    display->setNumDigits(digits);
    const Bounds at = display->bounds();
    display->setBounds({at.left, at.top, width, at.height});
  }
  const int chartLeft = kReadOutLeft + width + 3;
  const Bounds chart = Panel1->bounds();
  Panel1->setBounds({chartLeft, chart.top, kChartRight - chartLeft, chart.height});
  HeartMachine1->setBounds({1, 1, kChartRight - chartLeft - 2, chart.height - 2});
}

std::vector<std::string> hotKeyChoices() {
  std::vector<std::string> endings;
  for (char letter = 'A'; letter <= 'V'; ++letter) endings.emplace_back(1, letter);
  for (const char* letter : {"X", "W", "Y", "Z"}) endings.emplace_back(letter);
  for (int f = 1; f <= 12; ++f) endings.push_back(std::string("F").append(std::to_string(f)));
  for (char digit = '0'; digit <= '9'; ++digit) endings.emplace_back(1, digit);
  std::vector<std::string> items;
  for (const char* prefix : {"Ctrl+Alt+", "Shift+Alt+"}) {
    for (const auto& ending : endings) items.push_back(prefix + ending);
  }
  return items;
}

void TfrmPrincipal::createControls() {
  setName("frmPrincipal");
  setBorderStyle(BorderStyle::None);
  setBounds(Bounds{0, 0, 405, 405});
  const platform::Area screen = services_.desktop.workArea();
  centerOn(Bounds{screen.left, screen.top, screen.width, screen.height});
  setFont(arial(11));
  // In the window definition's order, which the tab order and the stacking follow.
  createComponents();
  createFrame();
  createRamPage();
  createRamPageFigures();
  createConfigurationPage();
  createTuneUpPage();
  createCachePage();
  createHelpButton();
  PageControl1->setActivePage(tabRam);
}

void TfrmPrincipal::createComponents() {
  MM = &create<engine::TMaxMem>(services_.memory);
  MM->setName("MM");
  Timer1 = &create<Timer>(application());
  Timer1->setName("Timer1");
  Timer1->setEnabled(false);
  Timer1->setInterval(500);
  TimerBoot = &create<Timer>(application());
  TimerBoot->setName("TimerBoot");
  TimerBoot->setEnabled(false);
  TimerBoot->setInterval(500);
  TimerAutoRecover = &create<Timer>(application());
  TimerAutoRecover->setName("TimerAutoRecover");
  TimerAutoRecover->setEnabled(false);
  TimerAutoRecover->setInterval(2000);
  HotKey = &create<hotkey::TfisHotKey>(application(), services_.hotkeys);
  HotKey->setName("HotKey");
  HotKey->setEnabled(false);
}

void TfrmPrincipal::createFrame() {
  Builder b(*this, services_.text);
  PanelTitulo = b.make<Panel>(this, "PanelTitulo", {0, 0, 405, 22}, "         Lumaro 3 rev.01");
  PanelTitulo->setColor(kNavy);
  PanelTitulo->setBevelWidth(2);
  PanelTitulo->setCaptionLeft(true);
  PanelTitulo->setFont(arial(12, true, clWhite));
  Image1 = b.make<Image>(PanelTitulo, "Image1", {3, 3, 16, 16});
  Image1->setPicture(programIcon(16));
  Image2 = b.make<Image>(PanelTitulo, "Image2", {386, 3, 16, 16});
  Image2->setPicture(minimizeGlyph());
  Image2->setAccessibleName("Minimizar");
  PageControl1 = b.make<PageControl>(this, "PageControl1", {0, 24, 405, 381});
  PageControl1->setTabStyle(TabStyle::FlatButtons);
  PageControl1->setMultiLine(true);
  PageControl1->setAccessibleName("Páginas");
}

void TfrmPrincipal::createRamPage() {
  Builder b(*this, services_.text);
  tabRam = b.page(PageControl1, "tabRam", "RAM");
  ScrewPanel1 = b.screwPanel(tabRam, "ScrewPanel1");
  Label4 = b.heading(ScrewPanel1, "Label4", {14, 8}, "Utilização da CPU", clBlack);
  LEDDisplayCPU = b.readOut(ScrewPanel1, "LEDDisplayCPU", {14, 25}, clLime);
  ProgressBarCPUusage =
      b.meter(ScrewPanel1, "ProgressBarCPUusage", {48, 25, 241, 23}, clLime, clYellow, clRed, 5, 40);
  ProgressBarCPUusage->setPosition(100);
  // Instruments and value controls have no caption of their own: a screen reader names them by the
  // text beside them.
  LEDDisplayCPU->setAccessibleName("Utilização da CPU (%)");
  ProgressBarCPUusage->setAccessibleName("Medidor de utilização da CPU");
  btnDefrag = b.make<Button>(ScrewPanel1, "btnDefrag", {290, 14, 104, 25}, "&Otimizar Memória");
  btnFechar = b.make<Button>(ScrewPanel1, "btnFechar", {290, 41, 104, 25}, "&Desligar Lumaro");
  Label1 = b.heading(ScrewPanel1, "Label1", {14, 50}, "Memória RAM Livre", clBlack);
  // The chart inside a one-pixel green border.
  Panel1 = b.make<Panel>(ScrewPanel1, "Panel1", {0, kChartTop, 0, kChartHeight});
  Panel1->setColor(clGreen);
  Panel1->setBevelOuter(Bevel::None);
  HeartMachine1 = b.make<widgets::THeartMachine>(Panel1, "HeartMachine1", {1, 1, 0, kChartHeight - 2}, {},
                                                 services_.text, application());
  HeartMachine1->setAlign(Align::None);
  HeartMachine1->setHGridCount(15);
  HeartMachine1->setHTickCount(20);
  HeartMachine1->Min = 0;
  HeartMachine1->setAccessibleName("Gráfico da memória (MB)");
  Label6 = b.label(ScrewPanel1, "Label6", {14, kChartTop}, "Max");
  LEDDisplayMax = b.readOut(ScrewPanel1, "LEDDisplayMax", {14, kChartTop + 14}, clAqua);
  Label8 = b.label(ScrewPanel1, "Label8", {14, kChartTop + 68}, "Livre");
  LEDDisplay1 = b.readOut(ScrewPanel1, "LEDDisplay1", {14, kChartTop + 82}, clYellow);
  Label7 = b.label(ScrewPanel1, "Label7", {14, kChartBottom - 36}, "Min");
  LEDDisplayMin = b.readOut(ScrewPanel1, "LEDDisplayMin", {14, kChartBottom - 22}, clAqua);
  fitMemoryReadOuts(TotalMB());
  TrkBarLiberar = b.slider(ScrewPanel1, "TrkBarLiberar", {300, kChartTop, 30, kChartHeight}, 0, 100, 0, 1,
                           Orientation::Vertical);
  trkbarAutoLiberar = b.slider(ScrewPanel1, "trkbarAutoLiberar", {345, kChartTop, 30, kChartHeight}, 0, 100,
                               0, 1, Orientation::Vertical);
  trkbarAutoLiberar->setPageSize(10);
  LEDDisplayMax->setAccessibleName("Memória RAM livre máxima (MB)");
  LEDDisplay1->setAccessibleName("Memória RAM livre (MB)");
  LEDDisplayMin->setAccessibleName("Memória RAM livre mínima (MB)");
  TrkBarLiberar->setAccessibleName("Memória RAM Alvo (MB)");
  trkbarAutoLiberar->setAccessibleName("Nível Crítico (MB)");
}

// The memory texts, the slider values and the defragmentation meter under the chart.
void TfrmPrincipal::createRamPageFigures() {
  Builder b(*this, services_.text);
  // A lowered box around the three memory texts; the captions share one column, the values the next.
  Bevel1 = b.make<Panel>(ScrewPanel1, "Bevel1", {8, kChartBottom + 3, 248, 49});
  Bevel1->setBevelOuter(Bevel::Lowered);
  Bevel1->setColor(clNone);
  Label32 = b.label(ScrewPanel1, "Label32", {14, kChartBottom + 6}, "Memória Utilizada : ");
  Label33 = b.label(ScrewPanel1, "Label33", {14, kChartBottom + 20}, "Memória RAM Livre: ");
  Label34 = b.label(ScrewPanel1, "Label34", {14, kChartBottom + 34}, "Arquivo de Troca Livre: ");
  const int values =
      14 + std::max({Label32->bounds().width, Label33->bounds().width, Label34->bounds().width});
  txtMemoryLoad = b.value(ScrewPanel1, "txtMemoryLoad", {values, kChartBottom + 7}, "% ");
  txtFreePhysical = b.value(ScrewPanel1, "txtFreePhysical", {values, kChartBottom + 21}, "% ");
  txtFreePaging = b.value(ScrewPanel1, "txtFreePaging", {values, kChartBottom + 35}, "% ");
  // The two slider values under their captions, right of the box.
  Label3 = b.label(ScrewPanel1, "Label3", {262, kChartBottom + 3}, "Memória RAM Alvo");
  txtMemoriaAlvo =
      b.label(ScrewPanel1, "txtMemoriaAlvo", {262, kChartBottom + 17}, "0", arial(16, true, clLime));
  Label2 = b.label(ScrewPanel1, "Label2", {262, kChartBottom + 36}, "Nível Crítico");
  txtAutoRecover =
      b.label(ScrewPanel1, "txtAutoRecover", {262, kChartBottom + 50}, "0", arial(16, true, clRed));
  Label21 = b.heading(ScrewPanel1, "Label21", {20, kChartBottom + 56}, "Desfragmentação (%)", clBlack);
  ProgressBar1 = b.meter(ScrewPanel1, "ProgressBar1", {20, kChartBottom + 73, 353, 15}, clYellow, clYellow,
                         clYellow, 5, 25);
  ProgressBar1->setAccessibleName("Desfragmentação");
  chkboxFirstStart = b.check(ScrewPanel1, "chkboxFirstStart", {0, 0}, "FirstStart", true);
  chkboxFirstStart->setVisible(false);
}

void TfrmPrincipal::createConfigurationPage() {
  Builder b(*this, services_.text);
  tabConfig = b.page(PageControl1, "tabConfig", "Configuração");
  ScrewPanel2 = b.screwPanel(tabConfig, "ScrewPanel2");
  Label9 = b.heading(ScrewPanel2, "Label9", {14, 6}, "Frequência de monitoramente da RAM pelo Lumaro");
  RadioButton1 = b.radio(ScrewPanel2, "RadioButton1", {14, 24}, "Baixa");
  RadioButton2 = b.radio(ScrewPanel2, "RadioButton2", {96, 24}, "Normal");
  RadioButton3 = b.radio(ScrewPanel2, "RadioButton3", {186, 24}, "Rápida");
  RadioButton4 = b.radio(ScrewPanel2, "RadioButton4", {276, 24}, "Muito Rápida");
  RadioButton2->setChecked(true);
  Label10 = b.heading(ScrewPanel2, "Label10", {14, 46}, "Ao Iniciar o Windows");
  chkboxAutoRun = b.check(ScrewPanel2, "chkboxAutoRun", {14, 64}, "Carrega Automaticamente o Lumaro", true);
  chkboxBootidle = b.check(ScrewPanel2, "chkboxBootidle", {14, 82},
                           "Executa Auto-Otimização da RAM após a CPU ficar ociosa", false);
  Label11 = b.heading(ScrewPanel2, "Label11", {14, 104}, "Auto-Otimização da RAM");
  chkboxAutoRecover = b.check(ScrewPanel2, "chkboxAutoRecover", {14, 122},
                              "executa automaticamente se a memória atingir o nível crítico", true);
  chkboxRecoverCPUusage = b.check(ScrewPanel2, "chkboxRecoverCPUusage", {14, 141},
                                  "Auto-Otimiza somente se o uso da CPU estiver em até", false);
  RxSpinRecoverCPUusage = b.spin(ScrewPanel2, "RxSpinRecoverCPUusage",
                                 {b.after(chkboxRecoverCPUusage), 139, 42, 20}, 5, 100, 5, 25);
  RxSpinRecoverCPUusage->setAccessibleName("Uso máximo da CPU para auto-otimizar (%)");
  Label5 = b.heading(ScrewPanel2, "Label5", {b.after(RxSpinRecoverCPUusage), 141}, "%", clBlack);
  chkboxAutoRecoverTime =
      b.check(ScrewPanel2, "chkboxAutoRecoverTime", {14, 161}, "Executa automaticamente a cada:", false);
  RxSpinAutoRecoverTime = b.spin(ScrewPanel2, "RxSpinAutoRecoverTime",
                                 {b.after(chkboxAutoRecoverTime), 159, 42, 20}, 1, 360, 1, 90);
  RxSpinAutoRecoverTime->setAccessibleName("Intervalo da auto-otimização (minutos)");
  Label20 = b.label(ScrewPanel2, "Label20", {b.after(RxSpinAutoRecoverTime), 161}, "minutos");
  chkboxVisualBar = b.check(ScrewPanel2, "chkboxVisualBar", {14, 181},
                            "Visualiza a barra de progresso em tela cheia", false);
  LabelAntiCrash2 = b.heading(ScrewPanel2, "LabelAntiCrash2", {14, 200}, "Anti-Crash");
  chkboxAntiCrash = b.check(ScrewPanel2, "chkboxAntiCrash", {14, 218},
                            "Alertar se os recursos do sistema estiverem abaixo de", true);
  RxSpinAntiCrash =
      b.spin(ScrewPanel2, "RxSpinAntiCrash", {b.after(chkboxAntiCrash), 216, 42, 20}, 10, 30, 1, 15);
  RxSpinAntiCrash->setAccessibleName("Alerta de recursos do sistema abaixo de (%)");
  LabelAntiCrash = b.heading(ScrewPanel2, "LabelAntiCrash", {b.after(RxSpinAntiCrash), 218}, "%", clBlack);
  Label14 = b.heading(ScrewPanel2, "Label14", {14, 242}, "Tipo de icone :");
  cbIconColor = b.make<ComboBox>(ScrewPanel2, "cbIconColor", {b.after(Label14), 239, 100, 21});
  cbIconColor->setStyle(ComboStyle::DropDownList);
  cbIconColor->setItems({"Branco", "Cinza", "Preto", ""});
  cbIconColor->setAccessibleName("Tipo de icone");
  Label12 = b.heading(ScrewPanel2, "Label12", {14, 262}, "Tecla de Atalho");
  chkboxShortCut =
      b.check(ScrewPanel2, "chkboxShortCut", {14, 281}, "Utiliza tecla de atalho para otimizar a RAM", true);
  cbHotKey = b.make<ComboBox>(ScrewPanel2, "cbHotKey", {b.after(chkboxShortCut), 279, 115, 21});
  cbHotKey->setItems(hotKeyChoices());
  cbHotKey->setText("Ctrl+Alt+Z");
  cbHotKey->setAccessibleName("Tecla de Atalho");
  Label18 = b.heading(ScrewPanel2, "Label18", {14, 302}, "CPU (Processador)");
  chkboxCPUidle = b.check(ScrewPanel2, "chkboxCPUidle", {14, 320},
                          "Otimiza uso da CPU   (reduz o aquecimento da CPU)", false);
}

void TfrmPrincipal::createTuneUpPage() {
  Builder b(*this, services_.text);
  tabTuneup = b.page(PageControl1, "tabTuneup", "Ajuste Fino");
  ScrewPanel5 = b.screwPanel(tabTuneup, "ScrewPanel5");
  Label40 = b.heading(ScrewPanel5, "Label40", {14, 8}, "Ajusta a velocidade do acesso a memória (DMA):");
  TrkBarDMABuffers = b.endedSlider(ScrewPanel5, "TrkBarDMABuffers", 26, 0, 64, 4, txtDMABuffers1,
                                   "txtDMABuffers1", "4", txtDMABuffers2, "txtDMABuffers2", "64");
  Label25 = b.label(ScrewPanel5, "Label25", {14, 58}, "Buffer de Acesso Direto a Memória (DMA) :");
  TrkBarDMABuffers->setAccessibleName("Buffer de Acesso Direto a Memória (DMA)");
  txtDMABuffers = b.value(ScrewPanel5, "txtDMABuffers", {b.after(Label25), 59}, "0");
  Label29 = b.heading(ScrewPanel5, "Label29", {14, 84}, "Ajusta buffer para E/S de dados Assíncronos:");
  TrkBarPageBuffers = b.endedSlider(ScrewPanel5, "TrkBarPageBuffers", 102, 1, 32, 2, txtPageBuffers1,
                                    "txtPageBuffers1", "4", txtPageBuffers2, "txtPageBuffers2", "128");
  Label39 = b.label(ScrewPanel5, "Label39", {14, 134}, "Buffer para E/S Assíncrona:");
  TrkBarPageBuffers->setAccessibleName("Buffer para E/S Assíncrona");
  txtPageBuffers = b.value(ScrewPanel5, "txtPageBuffers", {b.after(Label39), 135}, "0");
  chkboxForceRam = b.check(ScrewPanel5, "chkboxForceRam", {14, 162},
                           "Força a utilização da memória RAM nos programas", false, arial(12, true, kNavy));
  btnTuneUp = b.make<Button>(ScrewPanel5, "btnTuneUp", {14, 194, 377, 25},
                             "Configurar manutenção do Windows e otimizar tempo de carga");
  btnAjusteFinoDefault =
      b.make<Button>(ScrewPanel5, "btnAjusteFinoDefault", {14, 300, 185, 25}, "&Voltar configuração padrão");
  btnAjustaFinoBest = b.make<Button>(ScrewPanel5, "btnAjustaFinoBest", {205, 300, 186, 25},
                                     "&Ajustar para maior performance");
}

void TfrmPrincipal::createCachePage() {
  Builder b(*this, services_.text);
  tabCache = b.page(PageControl1, "tabCache", "Cache");
  ScrewPanel4 = b.screwPanel(tabCache, "ScrewPanel4");
  chkboxCache = b.check(ScrewPanel4, "chkboxCache", {14, 8}, "Faz o Lumaro controlar o Cache do Disco Rígido",
                        false, arial(12, true, kNavy));
  TrkBarMinCache = b.endedSlider(ScrewPanel4, "TrkBarMinCache", 28, 0, 64, 4, txtMinCache1, "txtMinCache1",
                                 "0", txtMinCache2, "txtMinCache2", "64");
  b.markedFigure(ScrewPanel4, 60, Label26, "Label26", Label22, "Label22",
                 "Tamanho mínimo do Cache:", txtMinCache, "txtMinCache");
  TrkBarMinCache->setAccessibleName("Tamanho mínimo do Cache");
  TrkBarMaxCache = b.endedSlider(ScrewPanel4, "TrkBarMaxCache", 80, 0, 64, 4, txtMaxCache1, "txtMaxCache1",
                                 "0", txtMaxCache2, "txtMaxCache2", "64");
  b.markedFigure(ScrewPanel4, 112, Label27, "Label27", Label19, "Label19",
                 "Tamanho máximo do Cache:", txtMaxCache, "txtMaxCache");
  TrkBarMaxCache->setAccessibleName("Tamanho máximo do Cache");
  TrkBarBlockCache = b.endedSlider(ScrewPanel4, "TrkBarBlockCache", 132, 1, 32, 2, txtBlockCache1,
                                   "txtBlockCache1", "512", txtBlockCache2, "txtBlockCache2", "16384");
  b.markedFigure(ScrewPanel4, 164, Label28, "Label28", Label23, "Label23",
                 "Tamanho do Bloco do Cache:", txtBlockCache, "txtBlockCache");
  TrkBarBlockCache->setAccessibleName("Tamanho do Bloco do Cache");
  chkboxCacheRemov =
      b.check(ScrewPanel4, "chkboxCacheRemov", {14, 190}, "Habilita o cache nas unidades de disco removíveis",
              false, arial(12, true, kNavy));
  Label38 = b.label(ScrewPanel4, "Label38", {30, 208},
                    "Otimiza as unidades de backup (zipdrive, Jazz Drive, etc...)");
  Label24 = b.label(ScrewPanel4, "Label24", {14, 236}, "(*)  Não é necessário utilizar no Windows NT/2000/XP",
                    arial(12, false, kNavy));
  btnCacheDefault =
      b.make<Button>(ScrewPanel4, "btnCacheDefault", {14, 300, 185, 25}, "&Voltar configuração padrão");
  btnCacheBest =
      b.make<Button>(ScrewPanel4, "btnCacheBest", {205, 300, 186, 25}, "&Ajustar para maior performance");
}

// Over the row of page buttons, at its right end: made last so that it lies on top of them.
void TfrmPrincipal::createHelpButton() {
  Builder b(*this, services_.text);
  btnHelp = b.label(this, "btnHelp", {0, 25}, "Ver Ajuda");
  btnHelp->setBorder(Bevel::Lowered);
  btnHelp->setBounds(
      {405 - 4 - btnHelp->bounds().width, 25, btnHelp->bounds().width, btnHelp->bounds().height});
}

}  // namespace lumaro::app
