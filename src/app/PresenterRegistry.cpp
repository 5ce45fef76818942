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
#include "project/UndoPres.h"
#include "render/RenderPres.h"
#include "render/ScenePlan.h"
#include "theme/ThemeCatalogue.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

#include <mutex>

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

// Each part runs once per process, whichever caller comes first.
void wireProject()
{
    static std::once_flag once;
    std::call_once(once, [] {
        SavedProjectsPres *saved = SavedProjectsPres::instance();
        SettingsPres *settings = SettingsPres::instance();
        ProjectPres *project = ProjectPres::instance();
        project->setProjectStore(saved);
        project->setSlidesModel(SlidesListModel::instance());
        project->setOutputChoices(settings);
        // One history for the project and its style: Ctrl+Z undoes the last edit of either.
        EditHistory *history = UndoPres::instance()->history();
        project->setHistory(history);
        QObject::connect(settings, &SettingsPres::outputEdited, project, &ProjectPres::takeEditedOutput);

        StyleSettingsPres *style = StyleSettingsPres::instance();
        style->setProjectStore(saved);
        style->setProjectSource(project);
        style->setHistory(history);
        // Hand-overs on the beat allow for where the chosen theme changes scenes.
        auto followTheme = [project, style] {
            if (const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(style->themeId()))
                project->setRhythm(SceneScheduler::rhythmOf(*theme));
        };
        QObject::connect(style, &StyleSettingsPres::themeIdChanged, project, followTheme);
        followTheme();

        DialogFoldersPres *folders = DialogFoldersPres::instance();
        folders->setOutputChoices(settings);
        QObject::connect(settings, &SettingsPres::saveDirChanged, folders, &DialogFoldersPres::resultFolderChanged);
    });
}

void wireAutosave()
{
    wireProject();
    static std::once_flag once;
    std::call_once(once, [] {
        ProjectPres *project = ProjectPres::instance();
        StyleSettingsPres *style = StyleSettingsPres::instance();
        SavedProjectsPres *saved = SavedProjectsPres::instance();
        AutosavePres *autosave = AutosavePres::instance();
        autosave->setProject(project, style, saved);
        QObject::connect(project, &ProjectPres::projectEdited, autosave, &AutosavePres::edited);
        QObject::connect(project, &ProjectPres::projectSaved, autosave, &AutosavePres::explicitlySaved);
        QObject::connect(style, &StyleSettingsPres::styleEdited, autosave, &AutosavePres::edited);
        QObject::connect(saved, &SavedProjectsPres::projectDeleted, autosave, &AutosavePres::projectDeleted);
    });
}

void wireRender()
{
    wireProject();
    static std::once_flag once;
    std::call_once(once, [] {
        RenderPres::instance()->setChoices(ProjectPres::instance(), SettingsPres::instance(),
                                           StyleSettingsPres::instance());
    });
}

static void wireBackgrounds()
{
    wireProject();
    static std::once_flag once;
    std::call_once(once, [] {
        BackgroundsPres *backgrounds = BackgroundsPres::instance();
        SettingsPres *settings = SettingsPres::instance();
        // The resolution on the video settings screen: the project's own changes only when the
        // render starts, after the file was looked for.
        backgrounds->setResolutionSource([settings] { return settings->resolution(); });
        QObject::connect(backgrounds, &BackgroundsPres::customBackgroundRemoved, StyleSettingsPres::instance(),
                         &StyleSettingsPres::backgroundRemoved);
    });
}

void wireThumbs()
{
    wireProject();
    static std::once_flag once;
    std::call_once(once, [] {
        ThumbsPres *thumbs = ThumbsPres::instance();
        thumbs->setProjectSource(ProjectPres::instance());
        // The style and theme previews show the style being edited: its theme, background, levels.
        StyleSettingsPres *style = StyleSettingsPres::instance();
        thumbs->setStyleSource([style] { return style->styleSettings(); });
    });
}

// The style choices the preview restarts for.
static void previewFollowsStyle(StyleSettingsPres *style, PreviewPres *preview)
{
    for (auto signal : {&StyleSettingsPres::themeIdChanged, &StyleSettingsPres::bgIdChanged,
                        &StyleSettingsPres::borderSizeChanged, &StyleSettingsPres::borderColorChanged,
                        &StyleSettingsPres::imgShadowBlurChanged, &StyleSettingsPres::textShadowBlurChanged,
                        &StyleSettingsPres::fontFamilyChanged, &StyleSettingsPres::fontWeightChanged,
                        &StyleSettingsPres::fontColorChanged})
        QObject::connect(style, signal, preview, &PreviewPres::choicesChanged);
}

void wirePreview()
{
    wireProject();
    static std::once_flag once;
    std::call_once(once, [] {
        ProjectPres *project = ProjectPres::instance();
        StyleSettingsPres *style = StyleSettingsPres::instance();
        SlidesListModel *slides = SlidesListModel::instance();
        PreviewPres *preview = PreviewPres::instance();
        preview->setChoices(project, style, slides);
        for (auto signal : {&ProjectPres::slidesChanged, &ProjectPres::audioChanged, &ProjectPres::slideDurationChanged,
                            &ProjectPres::usedSlidesNumberChanged})
            QObject::connect(project, signal, preview, &PreviewPres::choicesChanged);
        QObject::connect(slides, &SlidesListModel::dataChanged, preview, &PreviewPres::slidesDataChanged);
        previewFollowsStyle(style, preview);
        // A video background downloaded meanwhile replaces the thumbnail that stood in for it.
        QObject::connect(BackgroundsPres::instance(), &BackgroundsPres::backgroundDownloaded, preview,
                         &PreviewPres::choicesChanged);
        RenderPres *render = RenderPres::instance();
        QObject::connect(render, &RenderPres::isRenderingChanged, preview,
                         [render, preview] { preview->setRendering(render->isRendering()); });
    });
}

void wirePresenters()
{
    wireProject();
    wireAutosave();
    wireBackgrounds();
    wireRender();
    wireThumbs();
    wirePreview();
}

void publishPresenters(QQmlEngine &engine)
{
    wirePresenters();
    QQmlContext *context = engine.rootContext();
    publish<CommonError>(context, "commonError");
    publish<AppSettingsPres>(context, "appSettings");
    publish<SavedProjectsPres>(context, "savedProjects");
    publish<ProjectPres>(context, "project");
    publish<UndoPres>(context, "history");
    publish<StyleSettingsPres>(context, "styleSettings");
    publish<AutosavePres>(context, "autosave");
    publish<SlidesListModel>(context, "slides");
    publish<BackgroundsPres>(context, "backgrounds");
    publish<SettingsPres>(context, "settings");
    publish<DialogFoldersPres>(context, "dialogFolders");
    publish<RenderPres>(context, "render");
    publish<FontsPres>(context, "fonts");
    publish<ThumbsPres>(context, "thumbs");
    context->setContextProperty(QStringLiteral("tipsVideoUrl"), tipsVideoUrl());
    publish<PreviewPres>(context, "preview");
    context->setContextProperty(QStringLiteral("debug"), static_cast<QObject *>(nullptr));
}

} // namespace PresenterRegistry
