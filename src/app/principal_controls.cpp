// The main window's definition: controls, captions, ranges and design-time state.
#include "app/principal.h"

namespace lumaro::app {

using namespace toolkit;

namespace {

constexpr Color kNavy = clNavy;

Font arial(int height, bool bold = false, Color color = clWindowText) {
  return Font{"Arial", height, bold, color};
}

class Builder {
 public:
  Builder(TfrmPrincipal& form, platform::TextService& text) : form_(form), text_(text) {}

  template <class T, class... Args>
  T* make(WinControl* parent, const char* name, Bounds bounds, std::string caption = {}, Args&&... args) {
    T& control = form_.create<T>(std::forward<Args>(args)...);
    control.setName(name);
    control.setParent(parent);
    control.setBounds(bounds);
    control.setFont(arial(12));
    if (!caption.empty()) control.setCaption(std::move(caption));
    return &control;
  }

  Label* heading(WinControl* parent, const char* name, Bounds bounds, std::string caption,
                 Color color = kNavy) {
    Label* label = make<Label>(parent, name, bounds, std::move(caption));
    label->setFont(arial(12, true, color));
    return label;
  }

  Label* value(WinControl* parent, const char* name, Bounds bounds, std::string caption) {
    Label* label = make<Label>(parent, name, bounds, std::move(caption));
    label->setFont(arial(11));
    return label;
  }

  TrackBar* slider(WinControl* parent, const char* name, Bounds bounds, int min, int max, int position,
                   int frequency, Orientation orientation = Orientation::Horizontal) {
    TrackBar* bar = make<TrackBar>(parent, name, bounds);
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

  CheckBox* check(WinControl* parent, const char* name, Bounds bounds, std::string caption, bool checked) {
    CheckBox* box = make<CheckBox>(parent, name, bounds, std::move(caption));
    box->setChecked(checked);
    return box;
  }

  TabSheet* page(PageControl* pages, const char* name, std::string caption) {
    TabSheet* sheet = make<TabSheet>(pages, name, Bounds{}, std::move(caption));
    sheet->setAlign(Align::Client);
    return sheet;
  }

  // The front plate every page sits on.
  widgets::TScrewPanel* screwPanel(TabSheet* page, const char* name) {
    auto* panel = make<widgets::TScrewPanel>(page, name, {0, 0, 393, 347}, {}, text_);
    panel->setBevelOuter(Bevel::Lowered);
    return panel;
  }

  // A three-digit read-out of the RAM page.
  widgets::TLEDDisplay* readOut(WinControl* parent, const char* name, Bounds bounds, Color led) {
    auto* display = make<widgets::TLEDDisplay>(parent, name, bounds, {}, text_);
    display->setBorderStyle(widgets::TBorderStyle::bsNone);
    display->setDigitHeight(18);
    display->setDigitWidth(10);
    display->setDigitLineWidth(1);
    display->setLEDContrast(8);
    display->setNumDigits(3);
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
  Builder b(*this, services_.text);
  setName("frmPrincipal");
  setBounds(Bounds{0, 0, 405, 405});
  setFont(arial(11));

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

  PanelTitulo = b.make<Panel>(this, "PanelTitulo", {0, 0, 405, 22}, "         Lumaro 3 rev.01");
  PanelTitulo->setColor(kNavy);
  PanelTitulo->setBevelWidth(2);
  PanelTitulo->setCaptionLeft(true);
  PanelTitulo->setFont(arial(12, true, clWhite));
  Image1 = b.make<Image>(PanelTitulo, "Image1", {3, 3, 16, 16});
  Image2 = b.make<Image>(PanelTitulo, "Image2", {385, 3, 16, 16});
  btnHelp = b.make<Label>(this, "btnHelp", {345, 24, 56, 16}, "Ver Ajuda");
  PageControl1 = b.make<PageControl>(this, "PageControl1", {0, 24, 405, 381});

  tabRam = b.page(PageControl1, "tabRam", "RAM");
  ScrewPanel1 = b.screwPanel(tabRam, "ScrewPanel1");
  Label4 = b.heading(ScrewPanel1, "Label4", {14, 8, 150, 16}, "Utilização da CPU", clBlack);
  LEDDisplayCPU = b.readOut(ScrewPanel1, "LEDDisplayCPU", {14, 25, 31, 22}, clLime);
  ProgressBarCPUusage =
      b.meter(ScrewPanel1, "ProgressBarCPUusage", {48, 25, 241, 23}, clLime, clYellow, clRed, 5, 40);
  ProgressBarCPUusage->setPosition(100);
  btnDefrag = b.make<Button>(ScrewPanel1, "btnDefrag", {291, 13, 98, 25}, "&Otimizar Memória");
  btnFechar = b.make<Button>(ScrewPanel1, "btnFechar", {291, 40, 98, 25}, "&Desligar Lumaro");
  Label1 = b.heading(ScrewPanel1, "Label1", {14, 50, 150, 16}, "Memória RAM Livre", clBlack);
  // The chart inside a one-pixel green border.
  Panel1 = b.make<Panel>(ScrewPanel1, "Panel1", {48, 68, 241, 201});
  Panel1->setColor(clGreen);
  Panel1->setBevelOuter(Bevel::None);
  HeartMachine1 =
      b.make<widgets::THeartMachine>(Panel1, "HeartMachine1", {1, 1, 239, 199}, {}, services_.text);
  HeartMachine1->setAlign(Align::None);
  HeartMachine1->setHGridCount(15);
  HeartMachine1->setHTickCount(20);
  HeartMachine1->Min = 0;
  Label6 = b.make<Label>(ScrewPanel1, "Label6", {14, 68, 31, 14}, "Max");
  LEDDisplayMax = b.readOut(ScrewPanel1, "LEDDisplayMax", {14, 82, 31, 22}, clAqua);
  Label8 = b.make<Label>(ScrewPanel1, "Label8", {14, 147, 34, 14}, "Livre");
  LEDDisplay1 = b.readOut(ScrewPanel1, "LEDDisplay1", {14, 161, 31, 22}, clYellow);
  Label7 = b.make<Label>(ScrewPanel1, "Label7", {14, 233, 31, 14}, "Min");
  LEDDisplayMin = b.readOut(ScrewPanel1, "LEDDisplayMin", {14, 247, 31, 22}, clAqua);
  TrkBarLiberar =
      b.slider(ScrewPanel1, "TrkBarLiberar", {300, 68, 30, 201}, 0, 100, 0, 1, Orientation::Vertical);
  trkbarAutoLiberar =
      b.slider(ScrewPanel1, "trkbarAutoLiberar", {345, 68, 30, 201}, 0, 100, 0, 1, Orientation::Vertical);
  trkbarAutoLiberar->setPageSize(10);
  Label32 = b.make<Label>(ScrewPanel1, "Label32", {14, 273, 136, 14}, "Memória Utilizada : ");
  txtMemoryLoad = b.value(ScrewPanel1, "txtMemoryLoad", {152, 273, 84, 14}, "% ");
  Label33 = b.make<Label>(ScrewPanel1, "Label33", {14, 287, 136, 14}, "Memória RAM Livre: ");
  txtFreePhysical = b.value(ScrewPanel1, "txtFreePhysical", {152, 287, 84, 14}, "% ");
  Label34 = b.make<Label>(ScrewPanel1, "Label34", {14, 301, 136, 14}, "Arquivo de Troca Livre: ");
  txtFreePaging = b.value(ScrewPanel1, "txtFreePaging", {152, 301, 84, 14}, "% ");
  txtMemoriaAlvo = b.make<Label>(ScrewPanel1, "txtMemoriaAlvo", {343, 272, 46, 20}, "0");
  txtMemoriaAlvo->setFont(arial(16, true, clLime));
  Label3 = b.make<Label>(ScrewPanel1, "Label3", {238, 276, 104, 14}, "Memória RAM Alvo");
  txtAutoRecover = b.make<Label>(ScrewPanel1, "txtAutoRecover", {343, 294, 46, 20}, "0");
  txtAutoRecover->setFont(arial(16, true, clRed));
  Label2 = b.make<Label>(ScrewPanel1, "Label2", {238, 298, 104, 14}, "Nível Crítico");
  Label21 = b.heading(ScrewPanel1, "Label21", {20, 315, 200, 16}, "Desfragmentação (%)", clBlack);
  ProgressBar1 =
      b.meter(ScrewPanel1, "ProgressBar1", {20, 331, 353, 15}, clYellow, clYellow, clYellow, 5, 25);
  chkboxFirstStart = b.check(ScrewPanel1, "chkboxFirstStart", {0, 0, 80, 16}, "FirstStart", true);
  chkboxFirstStart->setVisible(false);

  tabConfig = b.page(PageControl1, "tabConfig", "Configuração");
  ScrewPanel2 = b.screwPanel(tabConfig, "ScrewPanel2");
  Label9 =
      b.heading(ScrewPanel2, "Label9", {8, 6, 380, 16}, "Frequência de monitoramente da RAM pelo Lumaro");
  RadioButton1 = b.make<RadioButton>(ScrewPanel2, "RadioButton1", {8, 24, 80, 17}, "Baixa");
  RadioButton2 = b.make<RadioButton>(ScrewPanel2, "RadioButton2", {90, 24, 80, 17}, "Normal");
  RadioButton3 = b.make<RadioButton>(ScrewPanel2, "RadioButton3", {180, 24, 80, 17}, "Rápida");
  RadioButton4 = b.make<RadioButton>(ScrewPanel2, "RadioButton4", {270, 24, 110, 17}, "Muito Rápida");
  RadioButton2->setChecked(true);
  Label10 = b.heading(ScrewPanel2, "Label10", {8, 46, 380, 16}, "Ao Iniciar o Windows");
  chkboxAutoRun =
      b.check(ScrewPanel2, "chkboxAutoRun", {8, 64, 380, 17}, "Carrega Automaticamente o Lumaro", true);
  chkboxBootidle = b.check(ScrewPanel2, "chkboxBootidle", {8, 82, 380, 17},
                           "Executa Auto-Otimização da RAM após a CPU ficar ociosa", false);
  Label11 = b.heading(ScrewPanel2, "Label11", {8, 104, 380, 16}, "Auto-Otimização da RAM");
  chkboxAutoRecover = b.check(ScrewPanel2, "chkboxAutoRecover", {8, 122, 380, 17},
                              "executa automaticamente se a memória atingir o nível crítico", true);
  chkboxRecoverCPUusage = b.check(ScrewPanel2, "chkboxRecoverCPUusage", {8, 140, 300, 17},
                                  "Auto-Otimiza somente se o uso da CPU estiver em até", false);
  RxSpinRecoverCPUusage = b.spin(ScrewPanel2, "RxSpinRecoverCPUusage", {310, 138, 45, 20}, 5, 100, 5, 25);
  Label5 = b.heading(ScrewPanel2, "Label5", {360, 140, 20, 16}, "%", clBlack);
  chkboxAutoRecoverTime = b.check(ScrewPanel2, "chkboxAutoRecoverTime", {8, 160, 210, 17},
                                  "Executa automaticamente a cada:", false);
  RxSpinAutoRecoverTime = b.spin(ScrewPanel2, "RxSpinAutoRecoverTime", {220, 158, 45, 20}, 1, 360, 1, 90);
  Label20 = b.make<Label>(ScrewPanel2, "Label20", {270, 160, 60, 16}, "minutos");
  chkboxVisualBar = b.check(ScrewPanel2, "chkboxVisualBar", {8, 180, 380, 17},
                            "Visualiza a barra de progresso em tela cheia", false);
  LabelAntiCrash2 = b.heading(ScrewPanel2, "LabelAntiCrash2", {8, 200, 380, 16}, "Anti-Crash");
  chkboxAntiCrash = b.check(ScrewPanel2, "chkboxAntiCrash", {8, 218, 300, 17},
                            "Alertar se os recursos do sistema estiverem abaixo de", true);
  RxSpinAntiCrash = b.spin(ScrewPanel2, "RxSpinAntiCrash", {310, 216, 45, 20}, 10, 30, 1, 15);
  LabelAntiCrash = b.heading(ScrewPanel2, "LabelAntiCrash", {360, 218, 20, 16}, "%", clBlack);
  Label14 = b.heading(ScrewPanel2, "Label14", {8, 240, 120, 16}, "Tipo de icone :");
  cbIconColor = b.make<ComboBox>(ScrewPanel2, "cbIconColor", {130, 238, 100, 21});
  cbIconColor->setStyle(ComboStyle::DropDownList);
  cbIconColor->setItems({"Branco", "Cinza", "Preto", ""});
  Label12 = b.heading(ScrewPanel2, "Label12", {8, 262, 380, 16}, "Tecla de Atalho");
  chkboxShortCut = b.check(ScrewPanel2, "chkboxShortCut", {8, 280, 260, 17},
                           "Utiliza tecla de atalho para otimizar a RAM", true);
  cbHotKey = b.make<ComboBox>(ScrewPanel2, "cbHotKey", {270, 278, 115, 21});
  cbHotKey->setItems(hotKeyChoices());
  cbHotKey->setText("Ctrl+Alt+Z");
  Label18 = b.heading(ScrewPanel2, "Label18", {8, 302, 380, 16}, "CPU (Processador)");
  chkboxCPUidle = b.check(ScrewPanel2, "chkboxCPUidle", {8, 320, 380, 17},
                          "Otimiza uso da CPU   (reduz o aquecimento da CPU)", false);

  tabTuneup = b.page(PageControl1, "tabTuneup", "Ajuste Fino");
  ScrewPanel5 = b.screwPanel(tabTuneup, "ScrewPanel5");
  Label40 =
      b.heading(ScrewPanel5, "Label40", {8, 8, 380, 16}, "Ajusta a velocidade do acesso a memória (DMA):");
  TrkBarDMABuffers = b.slider(ScrewPanel5, "TrkBarDMABuffers", {30, 26, 320, 30}, 0, 64, 0, 4);
  txtDMABuffers1 = b.value(ScrewPanel5, "txtDMABuffers1", {8, 32, 20, 14}, "4");
  txtDMABuffers2 = b.value(ScrewPanel5, "txtDMABuffers2", {355, 32, 30, 14}, "64");
  Label25 =
      b.make<Label>(ScrewPanel5, "Label25", {8, 58, 290, 16}, "Buffer de Acesso Direto a Memória (DMA) :");
  txtDMABuffers = b.value(ScrewPanel5, "txtDMABuffers", {300, 58, 80, 16}, "0");
  Label29 =
      b.heading(ScrewPanel5, "Label29", {8, 84, 380, 16}, "Ajusta buffer para E/S de dados Assíncronos:");
  TrkBarPageBuffers = b.slider(ScrewPanel5, "TrkBarPageBuffers", {30, 102, 320, 30}, 1, 32, 1, 2);
  txtPageBuffers1 = b.value(ScrewPanel5, "txtPageBuffers1", {8, 108, 20, 14}, "4");
  txtPageBuffers2 = b.value(ScrewPanel5, "txtPageBuffers2", {355, 108, 30, 14}, "128");
  Label39 = b.make<Label>(ScrewPanel5, "Label39", {8, 134, 290, 16}, "Buffer para E/S Assíncrona:");
  txtPageBuffers = b.value(ScrewPanel5, "txtPageBuffers", {300, 134, 80, 16}, "0");
  chkboxForceRam = b.check(ScrewPanel5, "chkboxForceRam", {8, 162, 380, 17},
                           "Força a utilização da memória RAM nos programas", false);
  chkboxForceRam->setFont(arial(12, true, kNavy));
  btnTuneUp = b.make<Button>(ScrewPanel5, "btnTuneUp", {8, 194, 380, 25},
                             "Configurar manutenção do Windows e otimizar tempo de carga");
  btnAjusteFinoDefault =
      b.make<Button>(ScrewPanel5, "btnAjusteFinoDefault", {8, 300, 185, 25}, "&Voltar configuração padrão");
  btnAjustaFinoBest = b.make<Button>(ScrewPanel5, "btnAjustaFinoBest", {200, 300, 188, 25},
                                     "&Ajustar para maior performance");

  tabCache = b.page(PageControl1, "tabCache", "Cache");
  ScrewPanel4 = b.screwPanel(tabCache, "ScrewPanel4");
  chkboxCache = b.check(ScrewPanel4, "chkboxCache", {8, 8, 380, 17},
                        "Faz o Lumaro controlar o Cache do Disco Rígido", false);
  chkboxCache->setFont(arial(12, true, kNavy));
  TrkBarMinCache = b.slider(ScrewPanel4, "TrkBarMinCache", {30, 28, 320, 30}, 0, 64, 0, 4);
  txtMinCache1 = b.value(ScrewPanel4, "txtMinCache1", {8, 34, 20, 14}, "0");
  txtMinCache2 = b.value(ScrewPanel4, "txtMinCache2", {355, 34, 35, 14}, "64");
  Label26 = b.heading(ScrewPanel4, "Label26", {8, 60, 30, 16}, "(*) ");
  Label22 = b.make<Label>(ScrewPanel4, "Label22", {40, 60, 200, 16}, "Tamanho mínimo do Cache:");
  txtMinCache = b.value(ScrewPanel4, "txtMinCache", {250, 60, 100, 16}, "0");
  TrkBarMaxCache = b.slider(ScrewPanel4, "TrkBarMaxCache", {30, 80, 320, 30}, 0, 64, 0, 4);
  txtMaxCache1 = b.value(ScrewPanel4, "txtMaxCache1", {8, 86, 20, 14}, "0");
  txtMaxCache2 = b.value(ScrewPanel4, "txtMaxCache2", {355, 86, 35, 14}, "64");
  Label27 = b.heading(ScrewPanel4, "Label27", {8, 112, 30, 16}, "(*) ");
  Label19 = b.make<Label>(ScrewPanel4, "Label19", {40, 112, 200, 16}, "Tamanho máximo do Cache:");
  txtMaxCache = b.value(ScrewPanel4, "txtMaxCache", {250, 112, 100, 16}, "0");
  TrkBarBlockCache = b.slider(ScrewPanel4, "TrkBarBlockCache", {30, 132, 320, 30}, 1, 32, 1, 2);
  txtBlockCache1 = b.value(ScrewPanel4, "txtBlockCache1", {8, 138, 20, 14}, "512");
  txtBlockCache2 = b.value(ScrewPanel4, "txtBlockCache2", {355, 138, 35, 14}, "16384");
  Label28 = b.heading(ScrewPanel4, "Label28", {8, 164, 30, 16}, "(*) ");
  Label23 = b.make<Label>(ScrewPanel4, "Label23", {40, 164, 200, 16}, "Tamanho do Bloco do Cache:");
  txtBlockCache = b.value(ScrewPanel4, "txtBlockCache", {250, 164, 100, 16}, "0");
  chkboxCacheRemov = b.check(ScrewPanel4, "chkboxCacheRemov", {8, 190, 380, 17},
                             "Habilita o cache nas unidades de disco removíveis", false);
  chkboxCacheRemov->setFont(arial(12, true, kNavy));
  Label38 = b.make<Label>(ScrewPanel4, "Label38", {24, 208, 360, 16},
                          "Otimiza as unidades de backup (zipdrive, Jazz Drive, etc...)");
  Label24 = b.make<Label>(ScrewPanel4, "Label24", {8, 236, 380, 16},
                          "(*)  Não é necessário utilizar no Windows NT/2000/XP");
  Label24->setFont(arial(12, false, kNavy));
  btnCacheDefault =
      b.make<Button>(ScrewPanel4, "btnCacheDefault", {8, 300, 185, 25}, "&Voltar configuração padrão");
  btnCacheBest =
      b.make<Button>(ScrewPanel4, "btnCacheBest", {200, 300, 188, 25}, "&Ajustar para maior performance");

  PageControl1->setActivePage(tabRam);
}

}  // namespace lumaro::app
