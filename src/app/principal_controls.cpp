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
  explicit Builder(TfrmPrincipal& form) : form_(form) {}

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

 private:
  TfrmPrincipal& form_;
};

}  // namespace

std::vector<std::string> hotKeyChoices() {
  std::vector<std::string> endings;
  for (char letter = 'A'; letter <= 'V'; ++letter) endings.emplace_back(1, letter);
  for (const char* letter : {"X", "W", "Y", "Z"}) endings.emplace_back(letter);
  for (int f = 1; f <= 12; ++f) endings.push_back("F" + std::to_string(f));
  for (char digit = '0'; digit <= '9'; ++digit) endings.emplace_back(1, digit);
  std::vector<std::string> items;
  for (const char* prefix : {"Ctrl+Alt+", "Shift+Alt+"}) {
    for (const auto& ending : endings) items.push_back(prefix + ending);
  }
  return items;
}

void TfrmPrincipal::createControls() {
  Builder b(*this);
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

  PanelTitulo = b.make<Panel>(this, "PanelTitulo", {0, 0, 405, 22}, "         Lumaro 3 rev.01");
  PanelTitulo->setColor(kNavy);
  PanelTitulo->setBevelWidth(2);
  PanelTitulo->setFont(arial(12, true, clWhite));
  Image1 = b.make<Image>(PanelTitulo, "Image1", {3, 3, 16, 16});
  Image2 = b.make<Image>(PanelTitulo, "Image2", {385, 3, 16, 16});
  btnHelp = b.make<Label>(this, "btnHelp", {345, 24, 56, 16}, "Ver Ajuda");
  PageControl1 = b.make<PageControl>(this, "PageControl1", {0, 24, 405, 381});

  tabRam = b.page(PageControl1, "tabRam", "RAM");
  Label4 = b.heading(tabRam, "Label4", {8, 8, 150, 16}, "Utilização da CPU", clBlack);
  btnDefrag = b.make<Button>(tabRam, "btnDefrag", {255, 8, 130, 25}, "&Otimizar Memória");
  btnFechar = b.make<Button>(tabRam, "btnFechar", {255, 38, 130, 25}, "&Desligar Lumaro");
  Label1 = b.heading(tabRam, "Label1", {8, 70, 150, 16}, "Memória RAM Livre", clBlack);
  Panel1 = b.make<Panel>(tabRam, "Panel1", {60, 90, 230, 130});
  Panel1->setColor(clGreen);
  Label6 = b.make<Label>(tabRam, "Label6", {8, 90, 40, 14}, "Max");
  Label8 = b.make<Label>(tabRam, "Label8", {8, 140, 40, 14}, "Livre");
  Label7 = b.make<Label>(tabRam, "Label7", {8, 190, 40, 14}, "Min");
  TrkBarLiberar = b.slider(tabRam, "TrkBarLiberar", {300, 90, 30, 130}, 0, 100, 0, 1, Orientation::Vertical);
  trkbarAutoLiberar =
      b.slider(tabRam, "trkbarAutoLiberar", {345, 90, 30, 130}, 0, 100, 0, 1, Orientation::Vertical);
  trkbarAutoLiberar->setPageSize(10);
  Label32 = b.make<Label>(tabRam, "Label32", {8, 228, 150, 16}, "Memória Utilizada : ");
  txtMemoryLoad = b.value(tabRam, "txtMemoryLoad", {160, 228, 110, 16}, "% ");
  Label33 = b.make<Label>(tabRam, "Label33", {8, 246, 150, 16}, "Memória RAM Livre: ");
  txtFreePhysical = b.value(tabRam, "txtFreePhysical", {160, 246, 110, 16}, "% ");
  Label34 = b.make<Label>(tabRam, "Label34", {8, 264, 150, 16}, "Arquivo de Troca Livre: ");
  txtFreePaging = b.value(tabRam, "txtFreePaging", {160, 264, 110, 16}, "% ");
  txtMemoriaAlvo = b.make<Label>(tabRam, "txtMemoriaAlvo", {290, 226, 90, 20}, "0");
  txtMemoriaAlvo->setFont(arial(16, true, clLime));
  Label3 = b.make<Label>(tabRam, "Label3", {280, 246, 115, 14}, "Memória RAM Alvo");
  txtAutoRecover = b.make<Label>(tabRam, "txtAutoRecover", {290, 262, 90, 20}, "0");
  txtAutoRecover->setFont(arial(16, true, clRed));
  Label2 = b.make<Label>(tabRam, "Label2", {280, 282, 115, 14}, "Nível Crítico");
  Label21 = b.heading(tabRam, "Label21", {8, 300, 200, 16}, "Desfragmentação (%)", clBlack);
  chkboxFirstStart = b.check(tabRam, "chkboxFirstStart", {0, 0, 80, 16}, "FirstStart", true);
  chkboxFirstStart->setVisible(false);

  tabConfig = b.page(PageControl1, "tabConfig", "Configuração");
  Label9 = b.heading(tabConfig, "Label9", {8, 6, 380, 16}, "Frequência de monitoramente da RAM pelo Lumaro");
  RadioButton1 = b.make<RadioButton>(tabConfig, "RadioButton1", {8, 24, 80, 17}, "Baixa");
  RadioButton2 = b.make<RadioButton>(tabConfig, "RadioButton2", {90, 24, 80, 17}, "Normal");
  RadioButton3 = b.make<RadioButton>(tabConfig, "RadioButton3", {180, 24, 80, 17}, "Rápida");
  RadioButton4 = b.make<RadioButton>(tabConfig, "RadioButton4", {270, 24, 110, 17}, "Muito Rápida");
  RadioButton2->setChecked(true);
  Label10 = b.heading(tabConfig, "Label10", {8, 46, 380, 16}, "Ao Iniciar o Windows");
  chkboxAutoRun =
      b.check(tabConfig, "chkboxAutoRun", {8, 64, 380, 17}, "Carrega Automaticamente o Lumaro", true);
  chkboxBootidle = b.check(tabConfig, "chkboxBootidle", {8, 82, 380, 17},
                           "Executa Auto-Otimização da RAM após a CPU ficar ociosa", false);
  Label11 = b.heading(tabConfig, "Label11", {8, 104, 380, 16}, "Auto-Otimização da RAM");
  chkboxAutoRecover = b.check(tabConfig, "chkboxAutoRecover", {8, 122, 380, 17},
                              "executa automaticamente se a memória atingir o nível crítico", true);
  chkboxRecoverCPUusage = b.check(tabConfig, "chkboxRecoverCPUusage", {8, 140, 300, 17},
                                  "Auto-Otimiza somente se o uso da CPU estiver em até", false);
  RxSpinRecoverCPUusage = b.spin(tabConfig, "RxSpinRecoverCPUusage", {310, 138, 45, 20}, 5, 100, 5, 25);
  Label5 = b.heading(tabConfig, "Label5", {360, 140, 20, 16}, "%", clBlack);
  chkboxAutoRecoverTime = b.check(tabConfig, "chkboxAutoRecoverTime", {8, 160, 210, 17},
                                  "Executa automaticamente a cada:", false);
  RxSpinAutoRecoverTime = b.spin(tabConfig, "RxSpinAutoRecoverTime", {220, 158, 45, 20}, 1, 360, 1, 90);
  Label20 = b.make<Label>(tabConfig, "Label20", {270, 160, 60, 16}, "minutos");
  chkboxVisualBar = b.check(tabConfig, "chkboxVisualBar", {8, 180, 380, 17},
                            "Visualiza a barra de progresso em tela cheia", false);
  LabelAntiCrash2 = b.heading(tabConfig, "LabelAntiCrash2", {8, 200, 380, 16}, "Anti-Crash");
  chkboxAntiCrash = b.check(tabConfig, "chkboxAntiCrash", {8, 218, 300, 17},
                            "Alertar se os recursos do sistema estiverem abaixo de", true);
  RxSpinAntiCrash = b.spin(tabConfig, "RxSpinAntiCrash", {310, 216, 45, 20}, 10, 30, 1, 15);
  LabelAntiCrash = b.heading(tabConfig, "LabelAntiCrash", {360, 218, 20, 16}, "%", clBlack);
  Label14 = b.heading(tabConfig, "Label14", {8, 240, 120, 16}, "Tipo de icone :");
  cbIconColor = b.make<ComboBox>(tabConfig, "cbIconColor", {130, 238, 100, 21});
  cbIconColor->setStyle(ComboStyle::DropDownList);
  cbIconColor->setItems({"Branco", "Cinza", "Preto", ""});
  Label12 = b.heading(tabConfig, "Label12", {8, 262, 380, 16}, "Tecla de Atalho");
  chkboxShortCut = b.check(tabConfig, "chkboxShortCut", {8, 280, 260, 17},
                           "Utiliza tecla de atalho para otimizar a RAM", true);
  cbHotKey = b.make<ComboBox>(tabConfig, "cbHotKey", {270, 278, 115, 21});
  cbHotKey->setItems(hotKeyChoices());
  cbHotKey->setText("Ctrl+Alt+Z");
  Label18 = b.heading(tabConfig, "Label18", {8, 302, 380, 16}, "CPU (Processador)");
  chkboxCPUidle = b.check(tabConfig, "chkboxCPUidle", {8, 320, 380, 17},
                          "Otimiza uso da CPU   (reduz o aquecimento da CPU)", false);

  tabTuneup = b.page(PageControl1, "tabTuneup", "Ajuste Fino");
  Label40 =
      b.heading(tabTuneup, "Label40", {8, 8, 380, 16}, "Ajusta a velocidade do acesso a memória (DMA):");
  TrkBarDMABuffers = b.slider(tabTuneup, "TrkBarDMABuffers", {30, 26, 320, 30}, 0, 64, 0, 4);
  txtDMABuffers1 = b.value(tabTuneup, "txtDMABuffers1", {8, 32, 20, 14}, "4");
  txtDMABuffers2 = b.value(tabTuneup, "txtDMABuffers2", {355, 32, 30, 14}, "64");
  Label25 =
      b.make<Label>(tabTuneup, "Label25", {8, 58, 290, 16}, "Buffer de Acesso Direto a Memória (DMA) :");
  txtDMABuffers = b.value(tabTuneup, "txtDMABuffers", {300, 58, 80, 16}, "0");
  Label29 = b.heading(tabTuneup, "Label29", {8, 84, 380, 16}, "Ajusta buffer para E/S de dados Assíncronos:");
  TrkBarPageBuffers = b.slider(tabTuneup, "TrkBarPageBuffers", {30, 102, 320, 30}, 1, 32, 1, 2);
  txtPageBuffers1 = b.value(tabTuneup, "txtPageBuffers1", {8, 108, 20, 14}, "4");
  txtPageBuffers2 = b.value(tabTuneup, "txtPageBuffers2", {355, 108, 30, 14}, "128");
  Label39 = b.make<Label>(tabTuneup, "Label39", {8, 134, 290, 16}, "Buffer para E/S Assíncrona:");
  txtPageBuffers = b.value(tabTuneup, "txtPageBuffers", {300, 134, 80, 16}, "0");
  chkboxForceRam = b.check(tabTuneup, "chkboxForceRam", {8, 162, 380, 17},
                           "Força a utilização da memória RAM nos programas", false);
  chkboxForceRam->setFont(arial(12, true, kNavy));
  btnTuneUp = b.make<Button>(tabTuneup, "btnTuneUp", {8, 194, 380, 25},
                             "Configurar manutenção do Windows e otimizar tempo de carga");
  btnAjusteFinoDefault =
      b.make<Button>(tabTuneup, "btnAjusteFinoDefault", {8, 300, 185, 25}, "&Voltar configuração padrão");
  btnAjustaFinoBest =
      b.make<Button>(tabTuneup, "btnAjustaFinoBest", {200, 300, 188, 25}, "&Ajustar para maior performance");

  tabCache = b.page(PageControl1, "tabCache", "Cache");
  chkboxCache = b.check(tabCache, "chkboxCache", {8, 8, 380, 17},
                        "Faz o Lumaro controlar o Cache do Disco Rígido", false);
  chkboxCache->setFont(arial(12, true, kNavy));
  TrkBarMinCache = b.slider(tabCache, "TrkBarMinCache", {30, 28, 320, 30}, 0, 64, 0, 4);
  txtMinCache1 = b.value(tabCache, "txtMinCache1", {8, 34, 20, 14}, "0");
  txtMinCache2 = b.value(tabCache, "txtMinCache2", {355, 34, 35, 14}, "64");
  Label26 = b.heading(tabCache, "Label26", {8, 60, 30, 16}, "(*) ");
  Label22 = b.make<Label>(tabCache, "Label22", {40, 60, 200, 16}, "Tamanho mínimo do Cache:");
  txtMinCache = b.value(tabCache, "txtMinCache", {250, 60, 100, 16}, "0");
  TrkBarMaxCache = b.slider(tabCache, "TrkBarMaxCache", {30, 80, 320, 30}, 0, 64, 0, 4);
  txtMaxCache1 = b.value(tabCache, "txtMaxCache1", {8, 86, 20, 14}, "0");
  txtMaxCache2 = b.value(tabCache, "txtMaxCache2", {355, 86, 35, 14}, "64");
  Label27 = b.heading(tabCache, "Label27", {8, 112, 30, 16}, "(*) ");
  Label19 = b.make<Label>(tabCache, "Label19", {40, 112, 200, 16}, "Tamanho máximo do Cache:");
  txtMaxCache = b.value(tabCache, "txtMaxCache", {250, 112, 100, 16}, "0");
  TrkBarBlockCache = b.slider(tabCache, "TrkBarBlockCache", {30, 132, 320, 30}, 1, 32, 1, 2);
  txtBlockCache1 = b.value(tabCache, "txtBlockCache1", {8, 138, 20, 14}, "512");
  txtBlockCache2 = b.value(tabCache, "txtBlockCache2", {355, 138, 35, 14}, "16384");
  Label28 = b.heading(tabCache, "Label28", {8, 164, 30, 16}, "(*) ");
  Label23 = b.make<Label>(tabCache, "Label23", {40, 164, 200, 16}, "Tamanho do Bloco do Cache:");
  txtBlockCache = b.value(tabCache, "txtBlockCache", {250, 164, 100, 16}, "0");
  chkboxCacheRemov = b.check(tabCache, "chkboxCacheRemov", {8, 190, 380, 17},
                             "Habilita o cache nas unidades de disco removíveis", false);
  chkboxCacheRemov->setFont(arial(12, true, kNavy));
  Label38 = b.make<Label>(tabCache, "Label38", {24, 208, 360, 16},
                          "Otimiza as unidades de backup (zipdrive, Jazz Drive, etc...)");
  Label24 = b.make<Label>(tabCache, "Label24", {8, 236, 380, 16},
                          "(*)  Não é necessário utilizar no Windows NT/2000/XP");
  Label24->setFont(arial(12, false, kNavy));
  btnCacheDefault =
      b.make<Button>(tabCache, "btnCacheDefault", {8, 300, 185, 25}, "&Voltar configuração padrão");
  btnCacheBest =
      b.make<Button>(tabCache, "btnCacheBest", {200, 300, 188, 25}, "&Ajustar para maior performance");

  PageControl1->setActivePage(tabRam);
}

}  // namespace lumaro::app
