#include "platform/runtime/FileErrors.h"

#include <cerrno>

#include "platform/runtime/Error.h"

namespace rt {

namespace {

const char* systemReason(int error) {
  switch (error) {
    case ENOENT: return "no existe el archivo o la carpeta";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case EISDIR: return "la ruta es una carpeta";
    case EACCES: case EPERM: return "no tiene permiso";
    case EROFS: return "el disco es de sólo lectura";
    case ENOSPC: return "no queda espacio en el disco";
    case EDQUOT: return "se agotó la cuota de disco";
    case EEXIST: return "el archivo ya existe";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case EMFILE: case ENFILE: return "hay demasiados archivos abiertos";
    case EBUSY: case ETXTBSY: return "el archivo está en uso";
    case ELOOP: return "la ruta tiene demasiados enlaces";
    case EIO: return "error de lectura o escritura en el disco";
    default: return nullptr;
  }
}

const char* kindReason(QFileDevice::FileError kind) {
  switch (kind) {
    case QFileDevice::ReadError: return "no se pudo leer el archivo";
    case QFileDevice::WriteError: return "no se pudo escribir el archivo";
    case QFileDevice::OpenError: return "no se pudo abrir el archivo";
    case QFileDevice::PermissionsError: return "no tiene permiso";
    case QFileDevice::ResizeError: return "no se pudo cambiar el tamaño del archivo";
    case QFileDevice::PositionError: return "no se pudo ubicar la posición en el archivo";
    case QFileDevice::RemoveError: return "no se pudo borrar el archivo";
    case QFileDevice::RenameError: return "no se pudo cambiar el nombre del archivo";
    case QFileDevice::CopyError: return "no se pudo copiar el archivo";
    case QFileDevice::TimeOutError: return "se agotó el tiempo de espera";
    case QFileDevice::AbortError: return "la operación se interrumpió";
    default: return "error desconocido";
  }
}

}  // namespace

void raiseFileAccess(const QString& path, const QFileDevice& file) {
  const int systemError = errno;
  raiseFileAccess(path, FileErrorText(file, systemError));
}

QString SystemErrorText(int systemError) {
  if (const char* reason = systemReason(systemError)) return QString::fromUtf8(reason);
  return QStringLiteral("error del sistema %1").arg(systemError);
}

QString FileErrorText(const QFileDevice& file, int systemError) {
  if (const char* reason = systemReason(systemError)) return QString::fromUtf8(reason);
  QString text = QString::fromUtf8(kindReason(file.error()));
  if (systemError != 0) text += QStringLiteral(" (error del sistema %1)").arg(systemError);
  return text;
}

}  // namespace rt
