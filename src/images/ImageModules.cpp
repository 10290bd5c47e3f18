#include "images/ImageModules.h"

#include "images/ImagesError.h"

#include <algorithm>
#include <array>

namespace typ {
namespace {

constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kWizardBackground{247, 247, 247};

// Each module's pictures in position order, then its lists.
constexpr TImageEnum kEmptyPictures[] = {
    TImageEnum::ieEmpty,
};
constexpr TImageListLayout kEmptyLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 1, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 1, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 1, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 1, std::nullopt, {}},
    {TImageSize::is48p, TImageKind::Bmp, 48, 48, 0, 1, std::nullopt, {}},
    {TImageSize::is48p, TImageKind::Png, 48, 48, 0, 1, std::nullopt, {}},
};
constexpr TImageEnum kStatusBarPictures[] = {
    TImageEnum::ieStatusBarCompany,
    TImageEnum::ieStatusBarKey,
    TImageEnum::ieStatusBarUser,
    TImageEnum::ieStatusBarVersion,
};
constexpr TImageListLayout kStatusBarLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kToolbarMenuPictures[] = {
    TImageEnum::ieToolbarMenuFavoritos,       TImageEnum::ieToolbarMenuTablero,
    TImageEnum::ieToolbarMenuShowKeyboard,    TImageEnum::ieToolbarMenuShowFullKeyboard,
    TImageEnum::ieToolbarMenuShowNumKeyboard,
};
constexpr TImageListLayout kToolbarMenuLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 5, std::nullopt, {}},
};
constexpr TImageEnum kActPictures[] = {
    TImageEnum::ieActMantenerDatos,
    TImageEnum::ieActCut,
    TImageEnum::ieActCopy,
    TImageEnum::ieActPaste,
    TImageEnum::ieActUndo,
    TImageEnum::ieToolbarMenuColorear,
    TImageEnum::ieToolbarMenuGraficarLinea,
    TImageEnum::ieActPrint,
    TImageEnum::ieToolbarMenuReprocesar,
    TImageEnum::ieToolbarMenuSaveAs,
    TImageEnum::ieActHelp,
    TImageEnum::ieMsExcelInsertRow,
    TImageEnum::ieMsExcelInsertRowViaCopy,
    TImageEnum::ieMsExcelDeleteRow,
    TImageEnum::ieActUndoAll,
    TImageEnum::ieActRepeat,
    TImageEnum::ieActSave,
    TImageEnum::ieActPrinterSetup,
    TImageEnum::ieActOpenFolder,
    TImageEnum::ieActPreview,
    TImageEnum::ieActConfig,
    TImageEnum::ieActSearch,
    TImageEnum::ieActCancel,
    TImageEnum::ieActNextId,
    TImageEnum::ieActRefresh,
    TImageEnum::ieActExit,
    TImageEnum::ieActClosedFolder,
    TImageEnum::ieActSelectedFolder,
    TImageEnum::ieActExport,
    TImageEnum::ieActIgualar,
    TImageEnum::ieActIgualarTodo,
    TImageEnum::ieActComparar,
    TImageEnum::ieActRechazar,
    TImageEnum::ieActAprobar,
    TImageEnum::ieActDesaprobar,
    TImageEnum::ieActClean,
    TImageEnum::ieActPaint,
    TImageEnum::ieActVencimientosCalendario,
    TImageEnum::ieActArbol,
    TImageEnum::ieActSeleccionarComprobantes,
    TImageEnum::ieActTraerComprobanteAutomatico,
    TImageEnum::ieActInvertir,
    TImageEnum::ieActNotaComprobante,
    TImageEnum::ieactABMCertificados,
    TImageEnum::ieactAdministradorFolios,
    TImageEnum::ieactLibrosElectronicosVentas,
    TImageEnum::ieactLibrosDespacho,
    TImageEnum::ieActBuscarRelaciones,
    TImageEnum::ieActAsignarItems,
    TImageEnum::ieActEstablecerRelaciones,
    TImageEnum::ieActClasificador,
    TImageEnum::ieactPeriodoAnterior,
    TImageEnum::ieactPeriodoSiguiente,
    TImageEnum::ieactFavorito,
    TImageEnum::ieactNuevoRubro,
    TImageEnum::ieactMoverRubro,
    TImageEnum::ieactAsignarHorarios,
    TImageEnum::ieactMenu,
    TImageEnum::ieactTecladoNumerico,
    TImageEnum::ieactImport,
    TImageEnum::ieActPrinterSelect,
    TImageEnum::ieActFiltroArticulos,
    TImageEnum::ieActUndoColumna,
    TImageEnum::ieActUndoFila,
    TImageEnum::ieActCambiarVista,
    TImageEnum::ieActVisualizarColumnas,
    TImageEnum::ieActAgregarCodigoBarra,
    TImageEnum::ieActAgregarLinea,
    TImageEnum::ieActAgregarRectangulo,
    TImageEnum::ieActAgregarTexto,
    TImageEnum::ieActAgregarImagen,
    TImageEnum::ieActAgregarVariable,
    TImageEnum::ieActGuardarVista,
    TImageEnum::ieActBorrarVista,
    TImageEnum::ieActNuevaVista,
    TImageEnum::ieActRestaurarVista,
    TImageEnum::ieActReferencias,
    TImageEnum::ieActCorreccion,
};
constexpr TImageListLayout kActLists[] = {
    {TImageSize::is11p, TImageKind::Bmp, 11, 11, 0, 1, std::nullopt, {}},
    {TImageSize::is11p, TImageKind::Png, 11, 11, 0, 1, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 78, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 78, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 78, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 78, std::nullopt, {}},
};
constexpr TImageEnum kNotificacionesPictures[] = {
    TImageEnum::ieNotificacionesSin,
    TImageEnum::ieNotificacionesCon,
};
constexpr TImageListLayout kNotificacionesLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 2, std::nullopt, {}},
};
constexpr TImageEnum kQuickFinderPictures[] = {
    TImageEnum::ieQuickFinderSearch,
    TImageEnum::ieQuickFinderNotFound,
    TImageEnum::ieQuickFinderCancel,
};
constexpr TImageListLayout kQuickFinderLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 3, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 3, std::nullopt, {}},
};
constexpr TImageEnum kQuendaPictures[] = {
    TImageEnum::ieQuendaAdicionista,         TImageEnum::ieQuendaDelivery,
    TImageEnum::ieQuendaMostrador,           TImageEnum::ieQuendaMozo,
    TImageEnum::ieQuendaExtraerAPK,          TImageEnum::ieQuendaConfigurarTeclas,
    TImageEnum::ieQuendaTecladoAlfanumerico,
};
constexpr TImageListLayout kQuendaLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 7, std::nullopt, {}},
};
constexpr TImageEnum kNavPictures[] = {
    TImageEnum::ieNavAccept,
    TImageEnum::ieNavCancel,
    TImageEnum::ieNavAdd,
    TImageEnum::ieNavAddDefault,
    TImageEnum::ieNavAddCont,
    TImageEnum::ieNavDel,
    TImageEnum::ieNavMod,
    TImageEnum::ieNavCopy,
    TImageEnum::ieNavRefresh,
    TImageEnum::ieNavFirst,
    TImageEnum::ieNavPrev,
    TImageEnum::ieNavNext,
    TImageEnum::ieNavLast,
    TImageEnum::ieNavFilter,
    TImageEnum::ieNavSearch,
    TImageEnum::ieNavGridMode,
    TImageEnum::ieNavOrder,
    TImageEnum::ieNavPhoto,
    TImageEnum::ieNavActivarCargaSolic,
    TImageEnum::ieNavAsignarCombinaciones,
    TImageEnum::ieNavPerfiles,
    TImageEnum::ieNavProveedoresArticulos,
    TImageEnum::ieNavReemplazo,
};
constexpr TImageListLayout kNavLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 23, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 23, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 23, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 23, std::nullopt, {}},
};
constexpr TImageEnum kGridNavPictures[] = {
    TImageEnum::ieGridNavFirst,       TImageEnum::ieGridNavPrev,
    TImageEnum::ieGridNavNext,        TImageEnum::ieGridNavLast,
    TImageEnum::ieGridNavAdd,         TImageEnum::ieGridNavDel,
    TImageEnum::ieGridNavInsertRow,   TImageEnum::ieGridNavInsertColumn,
    TImageEnum::ieGridAgregarColumna,
};
constexpr TImageListLayout kGridNavLists[] = {
    {TImageSize::is11p, TImageKind::Bmp, 11, 11, 0, 8, std::nullopt, {}},
    {TImageSize::is11p, TImageKind::Png, 11, 11, 0, 8, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 9, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 9, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 9, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 9, std::nullopt, {}},
};
constexpr TImageEnum kVertNavPictures[] = {
    TImageEnum::ieVertNavUp,          TImageEnum::ieVertNavDown,
    TImageEnum::ieVertNavFirst,       TImageEnum::ieVertNavLast,
    TImageEnum::ieVertNavMoveUp,      TImageEnum::ieVertNavMoveDown,
    TImageEnum::ieVertNavMoveFirst,   TImageEnum::ieVertNavMoveLast,
    TImageEnum::ieVertNavExpand,      TImageEnum::ieVertNavContract,
    TImageEnum::ieVertNavMoveLevelUp, TImageEnum::ieVertNavMoveLevelDown,
};
constexpr TImageListLayout kVertNavLists[] = {
    {TImageSize::is11p, TImageKind::Bmp, 11, 11, 0, 12, std::nullopt, {}},
    {TImageSize::is11p, TImageKind::Png, 11, 11, 0, 12, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 12, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 12, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 12, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 12, std::nullopt, {}},
};
constexpr TImageEnum kMsPictures[] = {
    TImageEnum::ieMsOffice,        TImageEnum::ieMsExcel,         TImageEnum::ieMsWord,
    TImageEnum::ieMsOutlook,       TImageEnum::ieMsAccess,        TImageEnum::ieMsSendToExcel,
    TImageEnum::ieMsSendToWord,    TImageEnum::ieMsSendToOutlook, TImageEnum::ieMsImportFromExcel,
    TImageEnum::ieMsExcelTemplate,
};
constexpr TImageListLayout kMsLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 10, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 10, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 10, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 10, std::nullopt, {}},
};
constexpr TImageEnum kVentasPictures[] = {
    TImageEnum::ieActSolicitarOrden,
    TImageEnum::ieVentasArticulos,
    TImageEnum::ieVentasSucursal,
    TImageEnum::ieVentasPromocion,
    TImageEnum::ieVentasPromocionDescuentoGeneral,
    TImageEnum::ieVentasPromocionDescuentoArticulo,
    TImageEnum::ieVentasPromocionEstado,
    TImageEnum::ieVentasPromocionTipo,
    TImageEnum::ieVentasPromocionSuperpuestos,
    TImageEnum::ieActActualizarLista,
    TImageEnum::ieActActualizarPrecios,
    TImageEnum::ieVentasCambiarFormulario,
    TImageEnum::ieVentasListaPrecios,
    TImageEnum::ieVentasConsultaIntegralPreciosYStock,
    TImageEnum::ieVentasFormasHabitualesPagos,
    TImageEnum::ieVentasClienteGrupo,
    TImageEnum::ieActVincularArticulo,
    TImageEnum::ieVentasInformacionPedidoWeb,
    TImageEnum::ieActVincularCliente,
    TImageEnum::ieActDesvincularCliente,
    TImageEnum::ieActDesvincularArticulo,
    TImageEnum::ieActParametrizar,
};
constexpr TImageListLayout kVentasLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 22, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 22, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 15, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 15, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Bmp, 108, 45, 0, 2, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Png, 108, 45, 0, 2, std::nullopt, {}},
};
constexpr TImageEnum kModulesPictures[] = {
    TImageEnum::ieModVentas,           TImageEnum::ieModStock,
    TImageEnum::ieModCompras,          TImageEnum::ieModTesoreria,
    TImageEnum::ieModCashFlow,         TImageEnum::ieModContabilidad,
    TImageEnum::ieModSueldos,          TImageEnum::ieModControlPersonal,
    TImageEnum::ieModActivoFijo,       TImageEnum::ieModProcesosGenerales,
    TImageEnum::ieModCentral,          TImageEnum::ieModIva,
    TImageEnum::ieModEstadosContables, TImageEnum::ieModFacturadorPos,
};
constexpr TImageListLayout kModulesLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 14, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 14, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 14, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 14, std::nullopt, {}},
};
constexpr TImageEnum kProductPictures[] = {
    TImageEnum::ieProductoOrvik,  TImageEnum::ieProductoSonde, TImageEnum::ieProductoQuenda,
    TImageEnum::ieProductoVantri, TImageEnum::ieProductoTelva,
};
constexpr TImageListLayout kProductLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 5, std::nullopt, {}},
};
constexpr TImageEnum kDatoAdjuntoPictures[] = {
    TImageEnum::ieDatoAdjuntoCon,
    TImageEnum::ieDatoAdjuntoSin,
};
constexpr TImageListLayout kDatoAdjuntoLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 2, std::nullopt, {}},
};
constexpr TImageEnum kDialogPictures[] = {
    TImageEnum::ieDialogError,
    TImageEnum::ieDialogInfo,
    TImageEnum::ieDialogQuestion,
    TImageEnum::ieDialogWarning,
};
constexpr TImageListLayout kDialogLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kMessagePictures[] = {
    TImageEnum::ieMessageInfo,  TImageEnum::ieMessageWarning,   TImageEnum::ieMessageQuestion,
    TImageEnum::ieMessageError, TImageEnum::ieMessageInfoError,
};
constexpr TImageListLayout kMessageLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 5, std::nullopt, {}},
};
constexpr TImageEnum kGralPictures[] = {
    TImageEnum::ieGralDireccion,
    TImageEnum::ieGralContacto,
    TImageEnum::ieGralTelefono,
    TImageEnum::ieGralCorreoE,
    TImageEnum::ieGralPaginaWeb,
    TImageEnum::ieGralCalendario,
    TImageEnum::ieGralReloj,
    TImageEnum::ieGralCalendarReloj,
    TImageEnum::ieGralCircle,
    TImageEnum::ieGralGoogleMapsMarker,
    TImageEnum::ieGralGoogleMapsMarkerBlue,
    TImageEnum::ieGralGoogleMapsMarkerRed,
    TImageEnum::ieGralGoogleMapsMarkerGreen,
    TImageEnum::ieGralActEnviarComprobante,
    TImageEnum::ieGralKeyboard,
    TImageEnum::ieGralIniciar,
    TImageEnum::ieGralDetener,
    TImageEnum::ieGralImpresoraFiscal,
    TImageEnum::ieGralPdfCorreo,
    TImageEnum::ieGralAuditoria,
};
constexpr TImageListLayout kGralLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 20, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 20, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 20, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 20, std::nullopt, {}},
};
constexpr TImageEnum kSemaphorePictures[] = {
    TImageEnum::ieSemaphore,
    TImageEnum::ieSemaphoreRed,
    TImageEnum::ieSemaphoreYellow,
    TImageEnum::ieSemaphoreGreen,
};
constexpr TImageListLayout kSemaphoreLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kArrowPictures[] = {
    TImageEnum::ieArrowRight,
    TImageEnum::ieArrowLeft,
    TImageEnum::ieArrowUp,
    TImageEnum::ieArrowDown,
};
constexpr TImageListLayout kArrowLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kMathPictures[] = {
    TImageEnum::ieMathCalcular,          TImageEnum::ieMathFormula,     TImageEnum::ieMathGrafico,
    TImageEnum::ieMathReferenciaGrafico, TImageEnum::ieMathCheckSintax,
};
constexpr TImageListLayout kMathLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 5, std::nullopt, {}},
};
constexpr TImageEnum kDataBasePictures[] = {
    TImageEnum::ieDatabase,       TImageEnum::ieDatabaseServer,      TImageEnum::ieDatabaseError,
    TImageEnum::ieDatabaseReport, TImageEnum::ieDatabaseDiccionario,
};
constexpr TImageListLayout kDataBaseLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 5, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 5, std::nullopt, {}},
};
constexpr TImageEnum kWizardPictures[] = {
    TImageEnum::ieWizImport, TImageEnum::ieWizExport,  TImageEnum::ieWizGeneric,
    TImageEnum::ieWizAct,    TImageEnum::ieWizFileGen, TImageEnum::ieWizConfig,
};
constexpr TImageListLayout kWizardLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 6, std::nullopt, {}},
    {TImageSize::is48p, TImageKind::Bmp, 48, 48, 0, 6, std::nullopt, {}},
    {TImageSize::is48p, TImageKind::Png, 48, 48, 0, 6, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Bmp, 145, 100, 0, 6, kWizardBackground, {}},
    {TImageSize::isBig, TImageKind::Png, 145, 100, 0, 6, std::nullopt, {}},
};
constexpr TImageEnum kChartPictures[] = {
    TImageEnum::ieChartColumn,
    TImageEnum::ieChartLine,
    TImageEnum::ieChartBar,
    TImageEnum::ieChartArea,
    TImageEnum::ieChartBarCir,
    TImageEnum::ieChartLineMarker,
    TImageEnum::ieChartCaracteristicas,
};
constexpr TImageListLayout kChartLists[] = {
    {TImageSize::isBig, TImageKind::Bmp, 80, 80, 0, 7, std::nullopt, {}},
};
constexpr TImageEnum kControlPictures[] = {
    TImageEnum::ieControlTextBox,  TImageEnum::ieControlNumBox,    TImageEnum::ieControlCheckBox,
    TImageEnum::ieControlDateTime, TImageEnum::ieControlOptionBox, TImageEnum::ieControlComboBox,
};
constexpr TImageListLayout kControlLists[] = {
    {TImageSize::isBig, TImageKind::Bmp, 123, 80, 0, 6, std::nullopt, {}},
};
constexpr TImageEnum kOtrosPictures[] = {
    TImageEnum::ieVentasFormasHabitualesPagosBig,
};
constexpr TImageListLayout kOtrosLists[] = {
    {TImageSize::isBig, TImageKind::Bmp, 130, 130, 0, 1, std::nullopt, {}},
};
constexpr TImageEnum kContablePictures[] = {
    TImageEnum::ieContableMoneda,          TImageEnum::ieContableAsiento,
    TImageEnum::ieContableInvertirImporte, TImageEnum::ieContableAsignarDiferencia,
    TImageEnum::ieContableConsultarSaldos, TImageEnum::ieContableLockArbol,
};
constexpr TImageListLayout kContableLists[] = {
    {TImageSize::is11p, TImageKind::Bmp, 11, 11, 0, 6, std::nullopt, {}},
    {TImageSize::is11p, TImageKind::Png, 11, 11, 0, 6, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 6, std::nullopt, {}},
};
constexpr TImageEnum kControlCheckPictures[] = {
    TImageEnum::ieControlCheckChecked,       TImageEnum::ieControlCheckUnchecked,
    TImageEnum::ieControlCheckCheckedGrayed, TImageEnum::ieControlCheckUncheckedGrayed,
    TImageEnum::ieControlCheckAllChecked,    TImageEnum::ieControlCheckAllUnChecked,
};
constexpr TImageListLayout kControlCheckLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 6, std::nullopt, {}},
};
constexpr TImageEnum kFondosPictures[] = {
    TImageEnum::ieFondosActDepositarCheques,
    TImageEnum::ieFondosGuardarPlantilla,
    TImageEnum::ieFondosExtracto,
    TImageEnum::ieFondosConciliarRelacion,
    TImageEnum::ieFondosAsignarDiferencia,
    TImageEnum::ieFondosActChequesTerceros,
    TImageEnum::ieFondosActIngresoManual,
};
constexpr TImageListLayout kFondosLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 7, std::nullopt, {}},
};
constexpr TImageEnum kFondosBigPictures[] = {
    TImageEnum::ieFondosActPOSTarjetas,
    TImageEnum::ieFondosPOSIntegrado,
};
constexpr TImageListLayout kFondosBigLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 2, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 2, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Bmp, 188, 256, 0, 2, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Png, 188, 256, 0, 2, std::nullopt, {}},
};
constexpr TImageEnum kComprasPictures[] = {
    TImageEnum::ieComprasIgualar,    TImageEnum::ieComprasDetalleSolic,
    TImageEnum::ieComprasMostrar,    TImageEnum::ieComprasConfirmar,
    TImageEnum::ieComprasCancelar,   TImageEnum::ieComprasCerrar,
    TImageEnum::ieComprasConfirmado,
};
constexpr TImageListLayout kComprasLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 7, std::nullopt, {}},
};
constexpr TImageEnum kLogoPictures[] = {
    TImageEnum::ieLogoOrvik,
    TImageEnum::ieLogoZorval,
    TImageEnum::ieLogoQuenda,
};
constexpr TImageListLayout kLogoLists[] = {
    {TImageSize::isBig, TImageKind::Bmp, 179, 39, 0, 1, kWhite, "ImgLogoOrvik"},
    {TImageSize::isBig, TImageKind::Bmp, 195, 39, 1, 1, kWhite, "ImgLogoZorval"},
    {TImageSize::isBig, TImageKind::Bmp, 140, 48, 2, 1, kWhite, "ImgLogoQuenda"},
};
constexpr TImageEnum kDestImpPictures[] = {
    TImageEnum::ieDestPdf,
    TImageEnum::ieDestTxt,
    TImageEnum::ieDestXml,
    TImageEnum::ieDestBdf,
};
constexpr TImageListLayout kDestImpLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kAdministradorPictures[] = {
    TImageEnum::ieAdmCandadoLocked, TImageEnum::ieAdmCandadoUnlocked, TImageEnum::ieAdmUser,
    TImageEnum::ieAdmRol,           TImageEnum::ieAdmReporte,         TImageEnum::ieAdmNetwork,
    TImageEnum::ieAdmTerminal,
};
constexpr TImageListLayout kAdministradorLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 7, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 7, std::nullopt, {}},
};
constexpr TImageEnum kAdmEmpresasPictures[] = {
    TImageEnum::ieAdmEmpresa,
    TImageEnum::ieAdmCamposAdicionales,
    TImageEnum::ieAdmAutomatizacion,
    TImageEnum::ieAdmUtilidades,
};
constexpr TImageListLayout kAdmEmpresasLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kEstadosPictures[] = {
    TImageEnum::ieEstadoOK,
    TImageEnum::ieEstadoError,
    TImageEnum::ieEstadoDisabled,
    TImageEnum::ieEstadoWarning,
};
constexpr TImageListLayout kEstadosLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 4, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 4, std::nullopt, {}},
};
constexpr TImageEnum kMapaMesaPictures[] = {
    TImageEnum::ieMapaMesaAllChecked,  TImageEnum::ieEliminarMesa,
    TImageEnum::ieEliminarFondo,       TImageEnum::ieFijarMesa,
    TImageEnum::ieAjustarFondo,        TImageEnum::ieAjustarProporcional,
    TImageEnum::ieFijarFondo,          TImageEnum::ieMapaMesaPanel,
    TImageEnum::ieSeleccionarColor,    TImageEnum::ieSeleccionarImagen,
    TImageEnum::ieAgregarMesaCircular, TImageEnum::ieAgregarMesaRectangular,
    TImageEnum::ieConjuntoMesas,       TImageEnum::ieMapaMesaDibujar,
    TImageEnum::ieMapaMesaInvertir,
};
constexpr TImageListLayout kMapaMesaLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 15, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 15, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 15, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 15, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Bmp, 108, 32, 0, 1, std::nullopt, {}},
    {TImageSize::isBig, TImageKind::Png, 108, 32, 0, 1, std::nullopt, {}},
};
constexpr TImageEnum kAlineacionPictures[] = {
    TImageEnum::ieAlignTop,  TImageEnum::ieAlignCenterVertical,   TImageEnum::ieAlignBottom,
    TImageEnum::ieAlignLeft, TImageEnum::ieAlignCenterHorizontal, TImageEnum::ieAlignRight,
};
constexpr TImageListLayout kAlineacionLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is16p, TImageKind::Png, 16, 16, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Bmp, 32, 32, 0, 6, std::nullopt, {}},
    {TImageSize::is32p, TImageKind::Png, 32, 32, 0, 6, std::nullopt, {}},
};

constexpr TImageModule kModules[] = {
    {"TDmImagesEmpty", kEmptyPictures, kEmptyLists, TIndexOfKind::AnyValue},
    {"TDmImagesStatusBar", kStatusBarPictures, kStatusBarLists, TIndexOfKind::Table},
    {"TDmImagesToolbarMenu", kToolbarMenuPictures, kToolbarMenuLists, TIndexOfKind::Table},
    {"TDmImagesAct", kActPictures, kActLists, TIndexOfKind::Table},
    {"TDmImagesNotificaciones", kNotificacionesPictures, kNotificacionesLists, TIndexOfKind::Table},
    {"TDmImagesQuickFinder", kQuickFinderPictures, kQuickFinderLists, TIndexOfKind::Table},
    {"TDmImagesQuenda", kQuendaPictures, kQuendaLists, TIndexOfKind::Table},
    {"TDmImagesNav", kNavPictures, kNavLists, TIndexOfKind::Table},
    {"TDmImagesGridNav", kGridNavPictures, kGridNavLists, TIndexOfKind::Table},
    {"TDmImagesVertNav", kVertNavPictures, kVertNavLists, TIndexOfKind::Table},
    {"TDmImagesMs", kMsPictures, kMsLists, TIndexOfKind::Table},
    {"TDmImagesVentas", kVentasPictures, kVentasLists, TIndexOfKind::Table},
    {"TDmImagesModules", kModulesPictures, kModulesLists, TIndexOfKind::Table},
    {"TDmImagesProduct", kProductPictures, kProductLists, TIndexOfKind::Table},
    {"TDmImagesDatoAdjunto", kDatoAdjuntoPictures, kDatoAdjuntoLists, TIndexOfKind::Table},
    {"TDmImagesDialog", kDialogPictures, kDialogLists, TIndexOfKind::Table},
    {"TDmImagesMessage", kMessagePictures, kMessageLists, TIndexOfKind::Table},
    {"TDmImagesGral", kGralPictures, kGralLists, TIndexOfKind::Table},
    {"TDmImagesSemaphore", kSemaphorePictures, kSemaphoreLists, TIndexOfKind::Table},
    {"TDmImagesArrow", kArrowPictures, kArrowLists, TIndexOfKind::Table},
    {"TDmImagesMath", kMathPictures, kMathLists, TIndexOfKind::Table},
    {"TDmImagesDataBase", kDataBasePictures, kDataBaseLists, TIndexOfKind::Table},
    {"TDmImagesWizard", kWizardPictures, kWizardLists, TIndexOfKind::Table},
    {"TDmImagesChart", kChartPictures, kChartLists, TIndexOfKind::Table},
    {"TDmImagesControl", kControlPictures, kControlLists, TIndexOfKind::Table},
    {"TDmImagesOtros", kOtrosPictures, kOtrosLists, TIndexOfKind::Table},
    {"TDmImagesContable", kContablePictures, kContableLists, TIndexOfKind::Table},
    {"TDmImagesControlCheck", kControlCheckPictures, kControlCheckLists, TIndexOfKind::Table},
    {"TDmImagesFondos", kFondosPictures, kFondosLists, TIndexOfKind::Table},
    {"TDmImagesFondosBig", kFondosBigPictures, kFondosBigLists, TIndexOfKind::Table},
    {"TDmImagesCompras", kComprasPictures, kComprasLists, TIndexOfKind::Table},
    {"TDmImagesLogo", kLogoPictures, kLogoLists, TIndexOfKind::None},
    {"TDmImagesDestImp", kDestImpPictures, kDestImpLists, TIndexOfKind::Table},
    {"TDmImagesAdministrador", kAdministradorPictures, kAdministradorLists, TIndexOfKind::Table},
    {"TDmImagesAdmEmpresas", kAdmEmpresasPictures, kAdmEmpresasLists, TIndexOfKind::Table},
    {"TDmImagesEstados", kEstadosPictures, kEstadosLists, TIndexOfKind::Table},
    {"TDmImagesMapaMesa", kMapaMesaPictures, kMapaMesaLists, TIndexOfKind::Table},
    {"TDmImagesAlineacion", kAlineacionPictures, kAlineacionLists, TIndexOfKind::Table},
};

// The module of each value by ordinal, from the modules' pictures.
constexpr std::array<std::int8_t, kImageEnumCount> BuildRouting() {
    std::array<std::int8_t, kImageEnumCount> routing{};
    routing.fill(-1);
    for (std::size_t module = 0; module < std::size(kModules); ++module)
        for (const TImageEnum value : kModules[module].Pictures)
            routing[static_cast<std::size_t>(value)] = static_cast<std::int8_t>(module);
    return routing;
}

constexpr std::array<std::int8_t, kImageEnumCount> kRouting = BuildRouting();

std::string_view SizeText(TImageSize aImageSize) {
    switch (aImageSize) {
    case TImageSize::is11p:
        return "11";
    case TImageSize::is16p:
        return "16";
    case TImageSize::is32p:
        return "32";
    case TImageSize::is48p:
        return "48";
    case TImageSize::isBig:
        break;
    }
    return "Big";
}

} // namespace

const TImageListLayout* TImageModule::FindList(TImageSize aImageSize, TImageKind aKind) const {
    const auto found = std::find_if(Lists.begin(), Lists.end(), [&](const TImageListLayout& list) {
        return list.Name.empty() && list.Size == aImageSize && list.Kind == aKind;
    });
    return found != Lists.end() ? &*found : nullptr;
}

std::span<const TImageModule> ImageModules() {
    return kModules;
}

const TImageModule& DataModuleClass(TImageEnum aImageEnum) {
    if (!IsValidImageEnum(aImageEnum) || kRouting[static_cast<std::size_t>(aImageEnum)] < 0)
        throw E_VnRepositoryImages_Exception(
            "ImageEnum no definido en TVnRepositoryImages.DataModuleClass");
    return kModules[static_cast<std::size_t>(kRouting[static_cast<std::size_t>(aImageEnum)])];
}

int IndexOf(const TImageModule& aModule, TImageEnum aImageEnum) {
    switch (aModule.IndexOfKind) {
    case TIndexOfKind::AnyValue:
        return 0;
    case TIndexOfKind::None:
        throw EAbstractError("Error abstracto: " + std::string(aModule.ClassName) + ".IndexOf");
    case TIndexOfKind::Table:
        break;
    }
    const auto found = std::find(aModule.Pictures.begin(), aModule.Pictures.end(), aImageEnum);
    if (found == aModule.Pictures.end())
        throw E_VnRepositoryImages_Exception(std::string(aModule.ClassName) + ".IndexOf");
    return static_cast<int>(found - aModule.Pictures.begin());
}

std::string ResourceName(const TImageModule& aModule, const TImageListLayout& aList) {
    std::string name(aModule.ClassName);
    name += '_';
    if (!aList.Name.empty())
        return name + std::string(aList.Name);
    name += SizeText(aList.Size);
    return name + (aList.Kind == TImageKind::Bmp ? "_Bmp" : "_Png");
}

} // namespace typ
