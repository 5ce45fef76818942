#include "app/PresenterRegistry.h"
#include "app/AppConstants.h"
#include "app/AppSettingsPres.h"
#include "app/CommonError.h"
#include "app/FontsPres.h"
#include "backgrounds/BackgroundsPres.h"
#include "images/ForwardingImageProvider.h"
#include "images/ImageProvider.h"
#include "images/ThumbsPres.h"
#include "images/PrjImgProvider.h"
#include "preview/PreviewPres.h"
#include "project/AutosavePres.h"
#include "project/DialogFoldersPres.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "project/SettingsPres.h"
#include "project/StyleSettingsPres.h"
#include "project/SlidesListModel.h"
#include "render/RenderPres.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

namespace PresenterRegistry {

// The engine deletes what addImageProvider receives; the providers themselves are singletons
// deleted at exit, so the engine gets forwarding stand-ins it may own.
void registerImageProviders(QQmlEngine &engine)
{
    engine.addImageProvider(QStringLiteral("ImageProvider"), new ForwardingImageProvider([]() -> QQuickImageProvider * {
        return ImageProvider::instance();
    }));
    engine.addImageProvider(QStringLiteral("PrjImgProvider"), new ForwardingImageProvider([]() -> QQuickImageProvider * {
        return PrjImgProvider::instance();
    }));
}

template <typename T>
static void publish(QQmlContext *context, const char *name)
{
    T *object = T::instance();
    context->setContextProperty(QString::fromLatin1(name), object);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

void publishPresenters(QQmlEngine &engine)
{
    QQmlContext *context = engine.rootContext();
    publish<CommonError>(context, "commonError");
    publish<AppSettingsPres>(context, "appSettings");
    publish<SavedProjectsPres>(context, "savedProjects");
    ProjectPres::instance()->setProjectStore(SavedProjectsPres::instance());
    publish<ProjectPres>(context, "project");
    publish<StyleSettingsPres>(context, "styleSettings");
    publish<AutosavePres>(context, "autosave");
    publish<SlidesListModel>(context, "slides");
    publish<BackgroundsPres>(context, "backgrounds");
    QObject::connect(BackgroundsPres::instance(), &BackgroundsPres::customBackgroundRemoved,
                     StyleSettingsPres::instance(), &StyleSettingsPres::backgroundRemoved, Qt::UniqueConnection);
    publish<SettingsPres>(context, "settings");
    publish<DialogFoldersPres>(context, "dialogFolders");
    publish<RenderPres>(context, "render");
    publish<FontsPres>(context, "fonts");
    publish<ThumbsPres>(context, "thumbs");
    // The style and theme previews show the style being edited: its theme, background, levels.
    ThumbsPres::instance()->setStyleSource([] { return StyleSettingsPres::instance()->styleSettings(); });
    context->setContextProperty(QStringLiteral("tipsVideoUrl"), tipsVideoUrl());
    publish<PreviewPres>(context, "preview");
    context->setContextProperty(QStringLiteral("debug"), static_cast<QObject *>(nullptr));
}

} // namespace PresenterRegistry
