#include "Galeria.h"

#include "GaleriaBusqueda.h"
#include "GaleriaComprobantes.h"
#include "GaleriaConsultas.h"
#include "GaleriaLotes.h"
#include "GaleriaStock.h"
#include "platform/ui/CenterOnScreen.h"

namespace galeria {

namespace {
constexpr int kAncho = 3255, kAlto = 375, kMargen = 120, kColumnas = 2;
}  // namespace

std::vector<Ventana> TodasLasVentanas() {
  std::vector<Ventana> ventanas = VentanasConsultas();
  for (std::vector<Ventana> (*mas)() : {VentanasBusqueda, VentanasComprobantes, VentanasStock, VentanasLotes})
    for (Ventana& v : mas()) ventanas.push_back(std::move(v));
  return ventanas;
}

frmGaleria::frmGaleria(std::vector<Ventana> ventanas) : ui::Form("frmGaleria"), ventanas_(std::move(ventanas)) {
  Caption = "Galería de ventanas";
  BorderStyle = 1;
  lblVentanas.Caption = "Cada botón abre su ventana como la abren sus llamadores:";
  lblVentanas.Move(kMargen, kMargen, kColumnas * (kAncho + kMargen), 255);
  const int arriba = kMargen + 255 + 60;
  for (std::size_t i = 0; i < ventanas_.size(); ++i) {
    const int n = static_cast<int>(i);
    ui::CommandButton& b = cmdVentana.Load(n);
    b.Caption = ventanas_[i].titulo;
    b.Move(kMargen + (n % kColumnas) * (kAncho + kMargen), arriba + (n / kColumnas) * (kAlto + 60), kAncho, kAlto);
    b.Visible = true;
  }
  const int filas = (static_cast<int>(ventanas_.size()) + kColumnas - 1) / kColumnas;
  const int abajo = arriba + filas * (kAlto + 60) + 60;
  lblResultado.Caption = "Lo que devolvió:";
  lblResultado.Move(kMargen, abajo, 3000, 255);
  txtResultado.MultiLine = true;
  txtResultado.Locked = true;
  txtResultado.Move(kMargen, abajo + 285, kColumnas * kAncho + kMargen, 1800);
  const int ancho = kColumnas * (kAncho + kMargen) + kMargen;
  Move(0, 0, ancho + nonClientWidth(), abajo + 285 + 1800 + kMargen + nonClientHeight());
  ui::CenterOnScreen(*this);
  cmdVentana.Click = [this](int Index) { cmdVentana_Click(Index); };
}

void frmGaleria::cmdVentana_Click(int Index) {
  const Ventana& v = ventanas_.at(static_cast<std::size_t>(Index));
  txtResultado.Text = v.titulo + QStringLiteral(":\r\n") + v.abre();
}

}  // namespace galeria
