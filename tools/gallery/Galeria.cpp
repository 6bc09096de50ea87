#include "Galeria.h"

#include <algorithm>

#include "GaleriaBusqueda.h"
#include "GaleriaComprobantes.h"
#include "GaleriaConsultas.h"
#include "GaleriaLotes.h"
#include "GaleriaStock.h"
#include "platform/ui/CenterOnScreen.h"

namespace galeria {

namespace {
// A button leaves its caption kRelleno of room for its border.
constexpr int kAnchoMinimo = 3255, kRelleno = 360, kAlto = 375, kMargen = 120, kColumnas = 2;
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
  // Each column of buttons as wide as its longest caption.
  int izquierda[kColumnas + 1] = {kMargen};
  for (int c = 0; c < kColumnas; ++c) {
    int ancho = kAnchoMinimo;
    for (std::size_t i = static_cast<std::size_t>(c); i < ventanas_.size(); i += kColumnas)
      ancho = std::max(ancho, TextWidth(ventanas_[i].titulo) + kRelleno);
    izquierda[c + 1] = izquierda[c] + ancho + kMargen;
  }
  const int ancho = izquierda[kColumnas];
  lblVentanas.Move(kMargen, kMargen, ancho - 2 * kMargen, 255);
  const int arriba = kMargen + 255 + 60;
  for (std::size_t i = 0; i < ventanas_.size(); ++i) {
    const int n = static_cast<int>(i), c = n % kColumnas;
    ui::CommandButton& b = cmdVentana.Load(n);
    b.Caption = ventanas_[i].titulo;
    b.Move(izquierda[c], arriba + (n / kColumnas) * (kAlto + 60), izquierda[c + 1] - izquierda[c] - kMargen, kAlto);
    b.Visible = true;
  }
  const int filas = (static_cast<int>(ventanas_.size()) + kColumnas - 1) / kColumnas;
  const int abajo = arriba + filas * (kAlto + 60) + 60;
  lblResultado.Caption = "Lo que devolvió:";
  lblResultado.Move(kMargen, abajo, 3000, 255);
  txtResultado.MultiLine = true;
  txtResultado.Locked = true;
  txtResultado.Move(kMargen, abajo + 285, ancho - 2 * kMargen, 1800);
  Move(0, 0, ancho + nonClientWidth(), abajo + 285 + 1800 + kMargen + nonClientHeight());
  ui::CenterOnScreen(*this);
  cmdVentana.Click = [this](int Index) { cmdVentana_Click(Index); };
}

void frmGaleria::cmdVentana_Click(int Index) {
  const Ventana& v = ventanas_.at(static_cast<std::size_t>(Index));
  txtResultado.Text = v.titulo + QStringLiteral(":\r\n") + v.abre();
}

}  // namespace galeria
