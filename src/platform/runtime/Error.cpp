#include "platform/runtime/Error.h"

namespace rt {

Error::Error(long number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {
  what_ = QStringLiteral("%1: %2").arg(number_).arg(description_).toStdString();
}

QString describe(long number) {
  switch (number) {
    case err::InvalidCall: return QStringLiteral("Argumento o llamada a procedimiento no válida");
    case err::Overflow: return QStringLiteral("Desbordamiento");
    case err::SubscriptOutOfRange: return QStringLiteral("El subíndice está fuera del intervalo");
    case err::DivisionByZero: return QStringLiteral("División por cero");
    case err::TypeMismatch: return QStringLiteral("No coinciden los tipos");
    case err::InvalidUseOfNull: return QStringLiteral("Uso no válido de Null");
    case err::FileNotFound: return QStringLiteral("No se encontró el archivo");
    case err::PathFileAccess: return QStringLiteral("Error de acceso a la ruta o el archivo");
    case err::PathNotFound: return QStringLiteral("No se encontró la ruta de acceso");
    case err::ObjectRequired: return QStringLiteral("Se requiere un objeto");
    case err::NoSuchControlArrayElement: return QStringLiteral("El elemento de la matriz de controles no existe");
    case err::ObjectAlreadyLoaded: return QStringLiteral("El objeto ya está cargado");
    case err::CannotUnloadDesignControl:
      return QStringLiteral("No se pueden descargar controles creados en tiempo de diseño");
    case err::InvalidPropertyValue: return QStringLiteral("El valor de la propiedad no es válido");
    case err::InvalidPropertyArrayIndex: return QStringLiteral("Índice de matriz no válido");
    case err::PropertyIsReadOnly: return QStringLiteral("La propiedad es de sólo lectura");
    case err::IndexOutOfBounds: return QStringLiteral("Índice fuera de los límites");
    case err::ElementNotFound: return QStringLiteral("No se encontró el elemento");
    case err::KeyNotUnique: return QStringLiteral("La clave no es única en la colección");
    default: return QStringLiteral("Error definido por la aplicación o el objeto");
  }
}

void raise(long number, const QString& source) {
  throw Error(number, describe(number), source.isEmpty() ? QStringLiteral("importar_tavernix") : source);
}

void raiseFileAccess(const QString& path, const QString& reason) {
  throw Error(err::PathFileAccess,
              describe(err::PathFileAccess) + QStringLiteral(": ") + path + QStringLiteral(" (") + reason + u')');
}

}  // namespace rt
