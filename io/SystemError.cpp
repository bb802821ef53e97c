#include "SystemError.h"

#include <cerrno>

std::string SystemErrorText(int code) {
    switch (code) {
    case ENOENT:
        return "Нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "Нет прав доступа";
    case ENOSPC:
        return "На диске нет места";
    case EDQUOT:
        return "Исчерпана дисковая квота";
    case EFBIG:
        return "Файл слишком велик";
    case ENAMETOOLONG:
        return "Слишком длинное имя файла";
    case EISDIR:
        return "Это папка, а не файл";
    case ENOTDIR:
        return "Часть пути — не папка";
    case EROFS:
        return "Диск доступен только для чтения";
    case ELOOP:
        return "Слишком много символических ссылок подряд";
    case EIO:
        return "Ошибка ввода-вывода";
    case EMFILE:
    case ENFILE:
        return "Открыто слишком много файлов";
    case ENOMEM:
        return "Не хватает памяти";
    case EBUSY:
    case ETXTBSY:
        return "Файл занят";
    case EXDEV:
        return "Файл нельзя перенести на другой диск";
    default:
        return "Системная ошибка " + std::to_string(code);
    }
}
