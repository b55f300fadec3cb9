// SPDX-License-Identifier: MIT
// The 61 entries of the glossary, in the order the list shows them.
// Each definition opens with its own term, a colon and one space.

#include "Catalogue.h"

namespace lexidor {

constexpr std::array<Entry, kRowCount> kCatalogue{{
    /*  0 */ {u"ABRS", u"ABRS: (Área Base de Recepción Social). Lugar en donde se acogen a las personas "
                       u"evacuadas de las áreas afectadas por el accidente nuclear."},
    /*  1 */
    {u"ACCIDENTE NUCLEAR",
     u"ACCIDENTE NUCLEAR: Hecho fortuito, o serie de hechos de un mismo origen, que libera "
     u"material radiactivo de una central por encima de lo autorizado y causa daños. El PEI "
     u"distingue las categorías I a IV; la IV puede exigir medidas para la población. En la "
     u"escala INES son los niveles 4 a 7."},
    /*  2 */
    {u"ACTIVIDAD", u"ACTIVIDAD: Número de desintegraciones nucleares espontáneas que se producen en una "
                   u"cantidad de material radiactivo por unidad de tiempo. Se mide en bequerelios (antes, "
                   u"en curios) y disminuye con el tiempo según el periodo de semidesintegración de cada "
                   u"sustancia radiactiva."},
    /*  3 */
    {u"ÁTOMO", u"ÁTOMO: La unidad más pequeña de un elemento químico. Tiene un núcleo de protones y "
               u"neutrones, que reúne casi toda la masa, rodeado de electrones, y es eléctricamente "
               u"neutro. El número de protones determina el elemento; los isótopos de un elemento "
               u"difieren en el número de neutrones."},
    /*  4 */
    {u"BEQUERELIO", u"BEQUERELIO: Unidad de actividad del Sistema Internacional, de símbolo Bq, que "
                    u"equivale a una desintegración por segundo. Debe su nombre al físico Becquerel. Como "
                    u"es una unidad muy pequeña, las actividades se suelen expresar en miles, millones o "
                    u"miles de millones de bequerelios."},
    /*  5 */
    {u"CAT", u"CAT: Centro de la propia central nuclear, dentro de la organización de emergencia de "
             u"su titular, desde el que se atiende la emergencia en el emplazamiento. Si deja de "
             u"estar disponible, el control pasa al Centro Alternativo de Gestión de Emergencias, "
             u"que le sirve de respaldo."},
    /*  6 */
    {u"CECOP", u"CECOP: Centro de Coordinación Operativa. Lugar desde el que se dirige y coordina "
               u"toda la emergencia nuclear y puesto de mando del director del PEN, situado en la "
               u"sede del representante del Gobierno en la provincia. Al activarse el PEN funciona "
               u"como centro integrado. Incluye la SACOP y el CETRA."},
    /*  7 */
    {u"CECOPAL", u"CECOPAL: Centro de Coordinación Operativa Municipal. Puesto de mando desde el que el "
                 u"alcalde, director del PAMEN, dirige la respuesta del municipio. Suele estar en el "
                 u"ayuntamiento y tiene enlace seguro y redundante con el CECOP, energía eléctrica "
                 u"propia y medios de aviso a la población."},
    /*  8 */
    {u"CENTRAL NUCLEAR", u"CENTRAL NUCLEAR: Instalación nuclear fija que produce electricidad con un reactor "
                         u"nuclear: el calor de la fisión genera vapor, que mueve una turbina acoplada a un "
                         u"alternador. Cada provincia española con central nuclear tiene su propio plan de "
                         u"emergencia exterior."},
    /*  9 */ {u"CETRA", u"CETRA: Centro de Transmisiones, situado en el CECOP."},
    /* 10 */
    {u"CONFINAMIENTO",
     u"CONFINAMIENTO: Medida urgente de protección: permanecer en casa o en el edificio más "
     u"cercano, con puertas y ventanas cerradas y la ventilación parada, para evitar la "
     u"exposición a la nube radiactiva y su inhalación. Facilita la profilaxis y la "
     u"evacuación. Cuando pasa la nube, hay que ventilar."},
    /* 11 */
    {u"CONTAMINACIÓN EXTERNA",
     u"CONTAMINACIÓN EXTERNA: Presencia de sustancias radiactivas sobre la piel, el pelo o "
     u"la ropa. Mientras siguen ahí, irradian a la persona y pueden extenderse o llegar al "
     u"interior del organismo. Se elimina quitándose la ropa y lavándose, por ejemplo en la "
     u"ECD."},
    /* 12 */
    {u"CONTAMINACIÓN INTERNA",
     u"CONTAMINACIÓN INTERNA: Presencia en el organismo de sustancias radiactivas que han "
     u"entrado por inhalación, por ingestión, a través de la piel o por una herida. "
     u"Irradian desde dentro hasta que el cuerpo las elimina o se desintegran. Requiere "
     u"tratamiento sanitario."},
    /* 13 */ {u"CSN", u"CSN: Consejo de Seguridad Nuclear."},
    /* 14 */
    {u"CURIO", u"CURIO: Unidad antigua de actividad, ajena al Sistema Internacional, de símbolo Ci. "
               u"Equivale a 37 000 millones de bequerelios, aproximadamente la actividad de un gramo "
               u"de radio-226. También se usan sus milésimas y millonésimas partes."},
    /* 15 */
    {u"DESCONTAMINACIÓN",
     u"DESCONTAMINACIÓN: Eliminación o reducción de la contaminación radiactiva de "
     u"personas, equipos, vehículos o zonas, desde quitarse la ropa y lavarse hasta el "
     u"tratamiento médico si la contaminación es interna. Limita la dosis y evita que la "
     u"contaminación se extienda. La de personas se hace en la ECD."},
    /* 16 */
    {u"DOSIS ABSORBIDA",
     u"DOSIS ABSORBIDA: Energía que la radiación ionizante cede a la materia por unidad de "
     u"masa. Su unidad es el gray, de símbolo Gy, que equivale a un julio por kilogramo. No "
     u"tiene en cuenta el tipo de radiación que la produce."},
    /* 17 */
    {u"DOSIS EFECTIVA",
     u"DOSIS EFECTIVA: Suma de las dosis equivalentes de todos los tejidos y órganos, cada "
     u"una ponderada por un factor propio del tejido. Incluye la irradiación externa y la "
     u"interna y mide el riesgo global. Se expresa en sieverts; el límite para el público "
     u"es de 1 milisievert al año."},
    /* 18 */
    {u"DOSIS EQUIVALENTE",
     u"DOSIS EQUIVALENTE: Dosis absorbida en un tejido u órgano, ponderada por un factor "
     u"que depende del tipo y la calidad de la radiación, ya que no todas las radiaciones "
     u"producen el mismo daño con igual dosis absorbida. Su unidad es el sievert."},
    /* 19 */
    {u"ECD", u"ECD: Estación de Clasificación y Descontaminación. Instalación ya existente, como un "
             u"polideportivo, en un municipio con el casco urbano fuera de la zona I, lo más cerca "
             u"posible de ella y a no más de 50 km de la central. Allí se recibe y clasifica a los "
             u"evacuados y se mide y descontamina a personas y vehículos."},
    /* 20 */
    {u"EFECTOS GENÉTICOS",
     u"EFECTOS GENÉTICOS: Efectos de la radiación que aparecen en los descendientes de la "
     u"persona expuesta, por daños en sus células reproductoras; también se llaman "
     u"hereditarios. Son estocásticos: no tienen umbral y su probabilidad aumenta con la "
     u"dosis."},
    /* 21 */
    {u"EFECTOS SOMÁTICOS",
     u"EFECTOS SOMÁTICOS: Efectos de la radiación que aparecen en la propia persona "
     u"expuesta. Pueden ser deterministas, que se presentan pronto y solo por encima de un "
     u"umbral de dosis, como las lesiones en la piel, o estocásticos y tardíos, como el "
     u"cáncer, que puede aparecer años después."},
    /* 22 */
    {u"ELECTRÓN", u"ELECTRÓN: Partícula elemental con carga eléctrica negativa y una masa muy pequeña: "
                  u"la del protón es unas 1836 veces mayor. Los electrones forman la corteza del átomo, "
                  u"alrededor del núcleo. Un electrón emitido por un núcleo recibe el nombre de "
                  u"partícula beta."},
    /* 23 */
    {u"ESCALA INES", u"ESCALA INES: Escala Internacional de Sucesos Nucleares, creada por el OIEA y en uso "
                     u"desde 1990, que clasifica los sucesos según su importancia para la seguridad, con el "
                     u"fin de informar al público. Del 1 al 3 son incidentes y del 4 al 7, accidentes; el "
                     u"0, una desviación sin importancia para la seguridad."},
    /* 24 */
    {u"FISIÓN NUCLEAR",
     u"FISIÓN NUCLEAR: División de un núcleo pesado, como el uranio-235, en dos fragmentos "
     u"radiactivos tras absorber un neutrón. Libera mucha energía en forma de calor y "
     u"radiación, y dos o tres neutrones que pueden causar nuevas fisiones: la reacción en "
     u"cadena, que en un reactor se mantiene controlada."},
    /* 25 */
    {u"FUENTE RADIACTIVA",
     u"FUENTE RADIACTIVA: Sustancia, aparato o instalación que emite o puede emitir "
     u"radiaciones ionizantes. Puede estar encapsulada (sellada) o no encapsulada, y se "
     u"utiliza en medicina, en la industria y en la investigación."},
    /* 26 */
    {u"FUENTES DE RADIACIÓN ARTIFICIAL",
     u"FUENTES DE RADIACIÓN ARTIFICIAL: Fuentes creadas o manipuladas por el ser humano: "
     u"equipos de rayos X, medicina nuclear y radioterapia, usos industriales y de "
     u"investigación, centrales nucleares y sus residuos, y la lluvia radiactiva de ensayos "
     u"nucleares y accidentes."},
    /* 27 */
    {u"FUENTES DE RADIACIÓN NATURAL",
     u"FUENTES DE RADIACIÓN NATURAL: Fuentes de origen terrestre o cósmico: los rayos "
     u"cósmicos, los elementos radiactivos de la corteza terrestre, como el uranio y el "
     u"torio, el gas radón y los que contiene el propio cuerpo, como el potasio-40. Juntas "
     u"forman el fondo radiactivo natural."},
    /* 28 */
    {u"GRUPO LOGÍSTICO",
     u"GRUPO LOGÍSTICO: Grupo operativo del PEN formado por personal de protección civil de "
     u"la comunidad autónoma. Se encarga del transporte para la evacuación, el "
     u"abastecimiento, el albergue y la asistencia social, la extinción de incendios y el "
     u"salvamento. Coordina los municipios ABRS."},
    /* 29 */
    {u"GRUPO RADIOLÓGICO",
     u"GRUPO RADIOLÓGICO: Grupo operativo del PEN formado por personal especializado del "
     u"CSN. Sigue la evolución del accidente, caracteriza la situación radiológica, "
     u"controla las dosis del personal de intervención, mide la contaminación de personas y "
     u"vehículos y gestiona los residuos de la emergencia."},
    /* 30 */
    {u"GRUPO SANITARIO",
     u"GRUPO SANITARIO: Grupo operativo del PEN formado por personal que designa la "
     u"consejería de sanidad de la comunidad autónoma. Se ocupa de la profilaxis "
     u"radiológica, la descontaminación de personas, la asistencia urgente a irradiados y "
     u"contaminados, el transporte sanitario y la atención psicológica."},
    /* 31 */
    {u"IRRADIACIÓN EXTERNA",
     u"IRRADIACIÓN EXTERNA: Exposición a la radiación de fuentes situadas fuera del "
     u"organismo, como la nube radiactiva o el suelo contaminado. Cesa al alejarse de la "
     u"fuente o al interponer un blindaje, y se reduce con menos tiempo de exposición, más "
     u"distancia y más blindaje. No vuelve radiactiva a la persona."},
    /* 32 */
    {u"IRRADIACIÓN INTERNA",
     u"IRRADIACIÓN INTERNA: Exposición causada por sustancias radiactivas que han entrado "
     u"en el organismo por inhalación, ingestión o heridas, es decir, por una contaminación "
     u"interna. Dura hasta que se eliminan o se desintegran. Se evalúa como la dosis "
     u"acumulada en 50 años en adultos y hasta en 70 en niños."},
    /* 33 */
    {u"NEUTRÓN", u"NEUTRÓN: Partícula del núcleo atómico sin carga eléctrica, de masa algo mayor que la "
                 u"del protón. Libre es inestable: en unos diez minutos la mitad se transforma en "
                 u"protones. Provoca y mantiene la fisión. Como radiación, es muy penetrante e ioniza "
                 u"de forma indirecta; la frenan el agua y el hormigón."},
    /* 34 */
    {u"NIVEL CENTRAL DE RESPUESTA",
     u"NIVEL CENTRAL DE RESPUESTA: Nivel estatal que apoya a los PEN provinciales y se "
     u"activa siempre que se activa uno de ellos. Lo dirige el director general de "
     u"Protección Civil y Emergencias. Aporta medios extraordinarios, gestiona la ayuda "
     u"internacional y avisa al OIEA, a la Unión Europea y a los países vecinos."},
    /* 35 */
    {u"PARTÍCULA ALFA",
     u"PARTÍCULA ALFA: Núcleo de helio formado por dos protones y dos neutrones. La emiten "
     u"núcleos pesados, como los de uranio, radio o plutonio. Ioniza mucho pero penetra "
     u"poco: la detiene una hoja de papel o la capa externa de la piel, y en el aire "
     u"recorre pocos centímetros. Es peligrosa si se inhala o se ingiere."},
    /* 36 */
    {u"PARTÍCULA BETA",
     u"PARTÍCULA BETA: Electrón o positrón que emite un núcleo cuando uno de sus neutrones "
     u"se convierte en protón, o al revés. Penetra más que la alfa: recorre metros en el "
     u"aire y milímetros en los tejidos, y la detienen unos milímetros de aluminio. La "
     u"emiten, por ejemplo, el yodo-131 y el cesio-137."},
    /* 37 */ {u"PENBU", u"PENBU: Plan de Emergencia Nuclear de la provincia de Burgos."},
    /* 38 */ {u"PENCA", u"PENCA: Plan de Emergencia Nuclear de la provincia de Cáceres."},
    /* 39 */ {u"PENGUA", u"PENGUA: Plan de Emergencia Nuclear de la provincia de Guadalajara."},
    /* 40 */ {u"PENTA", u"PENTA: Plan de Emergencia Nuclear de la provincia de Tarragona."},
    /* 41 */ {u"PENVA", u"PENVA: Plan de Emergencia Nuclear de la provincia de Valencia."},
    /* 42 */
    {u"PLAN DE EMERGENCIA EXTERIOR",
     u"PLAN DE EMERGENCIA EXTERIOR: Plan de Emergencia Nuclear (PEN) que organiza la "
     u"respuesta fuera de la central. Hay uno por provincia con central. Corresponde a la "
     u"Administración General del Estado, con las comunidades autónomas y los "
     u"ayuntamientos, y lo dirige el Delegado del Gobierno en la comunidad autónoma."},
    /* 43 */
    {u"PLAN DE EMERGENCIA INTERIOR",
     u"PLAN DE EMERGENCIA INTERIOR: Plan de autoprotección (PEI) del titular de la central, "
     u"bajo control del CSN. Fija las medidas y los responsables para mitigar un accidente, "
     u"proteger al personal y avisar de inmediato a las autoridades. Clasifica los "
     u"accidentes en categorías de la I a la IV."},
    /* 44 */
    {u"PLANES DE ACTUACIÓN MUNICIPAL",
     u"PLANES DE ACTUACIÓN MUNICIPAL: Planes de Actuación Municipal en Emergencia Nuclear "
     u"(PAMEN), parte del PEN. Los dirige el alcalde desde el CECOPAL; los aprueba el Pleno "
     u"y los ratifica el director del PEN. Los tienen los municipios de las zonas I y II y "
     u"los que acogen una ECD o una ABRS. Incluyen avisos, confinamiento y evacuación."},
    /* 45 */
    {u"PROFILAXIS RADIOLÓGICA",
     u"PROFILAXIS RADIOLÓGICA: Medida urgente que consiste en tomar yodo estable, como el "
     u"yoduro potásico, para que el tiroides absorba menos yodo radiactivo. Es más eficaz "
     u"antes de la incorporación o cuanto antes después; tomado unas horas más tarde, aún "
     u"reduce la absorción a la mitad. Solo por indicación sanitaria."},
    /* 46 */
    {u"PROTÓN", u"PROTÓN: Partícula del núcleo atómico con carga eléctrica positiva, igual en valor a "
                u"la del electrón pero de signo contrario, y una masa unas 1836 veces mayor que la de "
                u"este. El número de protones de un núcleo es el número atómico, que determina de qué "
                u"elemento se trata."},
    /* 47 */
    {u"RADIACIÓN IONIZANTE",
     u"RADIACIÓN IONIZANTE: Radiación capaz de producir iones, directa o indirectamente, al "
     u"atravesar la materia. Puede ser de partículas (alfa, beta, neutrones) o "
     u"electromagnética (rayos gamma y X), y puede dañar las células. La luz, las ondas de "
     u"radio y las microondas no son ionizantes."},
    /* 48 */
    {u"RADIACTIVIDAD",
     u"RADIACTIVIDAD: Transformación espontánea de núcleos inestables en otros, con emisión "
     u"de radiación alfa, beta o gamma. Puede ser natural o artificial; la descubrió "
     u"Becquerel en 1896. Cada isótopo radiactivo tiene su periodo de semidesintegración: "
     u"unos 8 días el yodo-131 y unos 30 años el cesio-137."},
    /* 49 */
    {u"RAYO GAMMA", u"RAYO GAMMA: Radiación electromagnética de alta energía, sin masa ni carga, que emite "
                    u"un núcleo excitado, normalmente tras una desintegración alfa o beta. Es como los "
                    u"rayos X, pero de origen nuclear. Muy penetrante, se frena con plomo, hormigón o "
                    u"agua; es la causa principal de la irradiación externa."},
    /* 50 */
    {u"REACTOR NUCLEAR",
     u"REACTOR NUCLEAR: Estructura con combustible nuclear dispuesto para que se mantenga "
     u"por sí solo un proceso de fisión, sin fuente adicional de neutrones. Sus partes "
     u"principales son el combustible, el moderador, el refrigerante, las barras de control "
     u"y la vasija."},
    /* 51 */
    {u"RESÍDUO RADIACTIVO",
     u"RESÍDUO RADIACTIVO: Material de desecho sin uso previsto que contiene sustancias "
     u"radiactivas, o está contaminado con ellas, por encima de los niveles fijados por el "
     u"Ministerio con informe del CSN. Lo gestiona ENRESA. El de baja y media actividad se "
     u"almacena en El Cabril (Córdoba)."},
    /* 52 */ {u"SACOP", u"SACOP: Sala de Coordinación Operativa. Situada en el CECOP."},
    /* 53 */
    {u"SALEM", u"SALEM: Sala de Emergencias del CSN, en su sede de Madrid. Funciona las 24 horas del "
               u"día, todo el año; recibe datos de las centrales y de las redes de vigilancia "
               u"radiológica, se comunica con los CECOP, evalúa las consecuencias de un accidente y "
               u"prepara recomendaciones."},
    /* 54 */
    {u"SECTOR DE ATENCIÓN PREFERENTE",
     u"SECTOR DE ATENCIÓN PREFERENTE: Sector de 22,5 grados centrado en la central, hacia "
     u"donde va el viento, más sus dos vecinos. Su parte en la subzona IB forma, con toda "
     u"la IA, la zona de atención preferente, donde, en un accidente de categoría IV, se "
     u"aplican enseguida las medidas de la situación 3, evacuación incluida."},
    /* 55 */
    {u"SEGURIDAD ASOCIADA",
     u"SEGURIDAD ASOCIADA: Seguridad ligada a la explotación de la central, y no a su "
     u"diseño: personal cualificado con licencia del CSN, especificaciones técnicas de "
     u"funcionamiento, garantía de calidad, mantenimiento, y vigilancia e inspección por "
     u"parte del CSN."},
    /* 56 */
    {u"SEGURIDAD EN EMERGENCIA",
     u"SEGURIDAD EN EMERGENCIA: Planificación para limitar las consecuencias si, pese a "
     u"todo, se produce un accidente: el plan de emergencia interior (PEI), a cargo del "
     u"titular dentro de la central, y el exterior (PEN), a cargo del Estado, con medidas "
     u"para proteger a la población."},
    /* 57 */
    {u"SEGURIDAD INCORPORADA",
     u"SEGURIDAD INCORPORADA: Seguridad integrada en el diseño de la central: barreras "
     u"sucesivas entre el material radiactivo y el exterior (el propio combustible y su "
     u"vaina, el circuito primario con la vasija y el recinto de contención), sistemas de "
     u"seguridad redundantes y defensa en profundidad."},
    /* 58 */
    {u"SIEVERT", u"SIEVERT: Unidad del Sistema Internacional para la dosis equivalente y la dosis "
                 u"efectiva, de símbolo Sv, igual a un julio por kilogramo. Como es una unidad grande, "
                 u"se suele usar su milésima parte, el milisievert. El límite de dosis para el público "
                 u"es de 1 milisievert al año."},
    /* 59 */
    {u"ZONA BAJO CONTROL DEL EXPLOTADOR",
     u"ZONA BAJO CONTROL DEL EXPLOTADOR: También llamada zona 0: el área de la central más "
     u"los terrenos que su titular puede usar libremente, por ser suyos o por acuerdo con "
     u"sus propietarios. Su tamaño lo fija la licencia. Dentro de ella se aplican las "
     u"medidas del PEI, y queda incluida en la zona I."},
    /* 60 */
    {u"ZONAS DE PLANIFICACIÓN",
     u"ZONAS DE PLANIFICACIÓN: Áreas alrededor de la central en las que se planifican las "
     u"medidas de protección. La zona I, de medidas urgentes, es un círculo de 10 km "
     u"dividido en las subzonas IA (hasta 3 km), IB (de 3 a 5) e IC (de 5 a 10). La zona "
     u"II, de medidas de larga duración, va de 10 a 30 km."},
}};

} // namespace lexidor
