#include "app/FileErrorMessages.h"

UserMessage FileErrorMessage(LoadError error)
{
    switch (error) {
    case LoadError::None:
        return {};
    case LoadError::BadFormat:
        return {QStringLiteral("Unexpected file format."), MessageIcon::Warning};
    case LoadError::CannotOpen:
    case LoadError::OutOfMemory:
        break;
    }
    return {QStringLiteral("Failed to open document."), MessageIcon::Warning};
}

UserMessage FileErrorMessage(SaveError error)
{
    if (error == SaveError::None)
        return {};
    return {QStringLiteral("Failed to save document."), MessageIcon::Warning};
}
