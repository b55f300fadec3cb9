// SPDX-License-Identifier: MIT
// The 61 entries of the glossary, in the order the list shows them.
// Each definition opens with its own term, a colon and one space, and each
// entry names the publication it was checked against (Sources.h).

#include "Catalogue.h"
#include "Sources.h"

namespace lexidor {

constexpr std::array<Entry, kRowCount> kCatalogue{{
    /*  0 */
    {u"ABRS",
     u"ABRS: (Área Base de Recepción Social). Lugar en donde se acogen a las personas "
     u"evacuadas de las áreas afectadas por el accidente nuclear.",
     {kOwnTextKey, u"texto fijo"}},
    /*  1 */
    {u"ACCIDENTE NUCLEAR",
     u"ACCIDENTE NUCLEAR: Hecho fortuito, o serie de hechos de un mismo origen, que libera "
     u"material radiactivo de una central por encima de lo autorizado y causa daños. El PEI "
     u"lo clasifica en categorías de la I a la IV; en la IV puede hacer falta proteger a la "
     u"población. La escala INES, que informa al público, es otra clasificación.",
     {u"PLABEN", u"anexo I; Tít. II 3"}},
    /*  2 */
    {u"ACTIVIDAD",
     u"ACTIVIDAD: Número de desintegraciones nucleares espontáneas que se producen en una "
     u"cantidad de material radiactivo por unidad de tiempo. Se mide en bequerelios (antes, "
     u"en curios) y disminuye con el tiempo según el periodo de semidesintegración de cada "
     u"isótopo radiactivo.",
     {u"RD 1029/2022", u"art. 4.2"}},
    /*  3 */
    {u"ÁTOMO",
     u"ÁTOMO: La unidad más pequeña de un elemento químico. Tiene un núcleo de protones y "
     u"neutrones, que reúne casi toda la masa, rodeado de electrones, y es eléctricamente "
     u"neutro. El número de protones determina el elemento; los isótopos de un elemento "
     u"difieren en el número de neutrones.",
     {u"Física básica", u"estructura del átomo"}},
    /*  4 */
    {u"BEQUERELIO",
     u"BEQUERELIO: Unidad de actividad del Sistema Internacional, de símbolo Bq, que equivale "
     u"a una desintegración por segundo. Debe su nombre al físico Becquerel. Como es una "
     u"unidad muy pequeña, las actividades se suelen expresar en miles, millones o miles de "
     u"millones de bequerelios.",
     {u"RD 1029/2022", u"art. 4.2"}},
    /*  5 */
    {u"CAT",
     u"CAT: Centro de la organización de emergencia del titular de una central nuclear, "
     u"prevista en su PEI, situado en el propio emplazamiento, desde el que se gestiona y "
     u"apoya técnicamente la respuesta a la emergencia.",
     {u"PLABEN", u"Tít. I 4 a (PEI); la sigla no tiene definición oficial"}},
    /*  6 */
    {u"CECOP",
     u"CECOP: Centro de Coordinación Operativa. Desde él se dirige y coordina la respuesta "
     u"exterior a la central, la del PEN; es el puesto de mando de su director y está en la "
     u"sede del representante del Gobierno en la provincia. Activado el PEN, funciona como "
     u"centro integrado. Incluye la SACOP y el CETRA.",
     {u"PLABEN", u"Tít. III 3.1"}},
    /*  7 */
    {u"CECOPAL",
     u"CECOPAL: Centro de Coordinación Operativa Municipal. Puesto de mando desde el que el "
     u"alcalde, director del PAMEN, dirige la respuesta del municipio. Suele estar en el "
     u"ayuntamiento y tiene enlace seguro y redundante con el CECOP, energía eléctrica propia "
     u"y medios de aviso a la población.",
     {u"PLABEN", u"Tít. III 3.3"}},
    /*  8 */
    {u"CENTRAL NUCLEAR",
     u"CENTRAL NUCLEAR: Instalación nuclear fija que produce electricidad con un reactor "
     u"nuclear: el calor de la fisión genera vapor, que mueve una turbina acoplada a un "
     u"alternador. Cada provincia española con central nuclear tiene su propio plan de "
     u"emergencia exterior.",
     {u"LEN", u"art. 2.11 y 12"}},
    /*  9 */
    {u"CETRA", u"CETRA: Centro de Transmisiones, situado en el CECOP.", {kOwnTextKey, u"texto fijo"}},
    /* 10 */
    {u"CONFINAMIENTO",
     u"CONFINAMIENTO: Medida urgente: quedarse en casa o en un edificio cercano, cerrado y "
     u"sin ventilación, para protegerse de la nube radiactiva, de lo depositado en el suelo y "
     u"de la inhalación. Nivel de intervención: 10 mSv evitables en un máximo de 2 días. Solo "
     u"se ventila cuando la nube ha pasado y lo indican las autoridades.",
     {u"PLABEN", u"anexo IV 1; anexo II 1"}},
    /* 11 */
    {u"CONTAMINACIÓN EXTERNA",
     u"CONTAMINACIÓN EXTERNA: Presencia de sustancias radiactivas sobre la piel, el pelo o la "
     u"ropa. Mientras siguen ahí, irradian a la persona y pueden extenderse o llegar al "
     u"interior del organismo. Se elimina quitándose la ropa y lavándose, por ejemplo en la "
     u"ECD.",
     {u"PLABEN", u"anexo I; anexo IV 1"}},
    /* 12 */
    {u"CONTAMINACIÓN INTERNA",
     u"CONTAMINACIÓN INTERNA: Presencia en el organismo de sustancias radiactivas que han "
     u"entrado por inhalación, por ingestión, a través de la piel o por una herida. Irradian "
     u"desde dentro hasta que el cuerpo las elimina o se desintegran. Requiere tratamiento "
     u"sanitario.",
     {u"PLABEN", u"anexo I; anexo IV 1"}},
    /* 13 */
    {u"CSN", u"CSN: Consejo de Seguridad Nuclear.", {kOwnTextKey, u"texto fijo"}},
    /* 14 */
    {u"CURIO",
     u"CURIO: Unidad antigua de actividad, ajena al Sistema Internacional, de símbolo Ci. "
     u"Equivale a 37 000 millones de bequerelios, aproximadamente la actividad de un gramo de "
     u"radio-226. También se usan sus milésimas y millonésimas partes.",
     {u"Física básica", u"unidades de actividad"}},
    /* 15 */
    {u"DESCONTAMINACIÓN",
     u"DESCONTAMINACIÓN: Eliminación o reducción de la contaminación radiactiva de personas, "
     u"equipos o vehículos, para que no aumente la dosis ni se extienda. La de personas, en "
     u"la ECD, va de quitarse la ropa y lavarse al tratamiento médico si la contaminación es "
     u"interna. La de zonas es una medida de larga duración o de recuperación.",
     {u"PLABEN", u"anexo I; anexo IV 1 y 2"}},
    /* 16 */
    {u"DOSIS ABSORBIDA",
     u"DOSIS ABSORBIDA: Energía que la radiación ionizante cede a la materia por unidad de "
     u"masa. Su unidad es el gray, de símbolo Gy, que equivale a un julio por kilogramo. No "
     u"tiene en cuenta el tipo de radiación que la produce.",
     {u"RD 1029/2022", u"art. 4.17"}},
    /* 17 */
    {u"DOSIS EFECTIVA",
     u"DOSIS EFECTIVA: Suma de las dosis equivalentes de todos los tejidos y órganos, cada "
     u"una ponderada por un factor propio del tejido. Incluye la irradiación externa y la "
     u"interna y mide el riesgo global. Se expresa en sieverts; el límite para el público es "
     u"de 1 milisievert al año.",
     {u"RD 1029/2022", u"arts. 4.18 y 15.1"}},
    /* 18 */
    {u"DOSIS EQUIVALENTE",
     u"DOSIS EQUIVALENTE: Dosis absorbida en un tejido u órgano, ponderada por un factor que "
     u"depende del tipo y la calidad de la radiación, ya que no todas las radiaciones "
     u"producen el mismo daño con igual dosis absorbida. Su unidad es el sievert.",
     {u"RD 1029/2022", u"art. 4.20"}},
    /* 19 */
    {u"ECD",
     u"ECD: Estación de Clasificación y Descontaminación. Instalación ya existente, como un "
     u"polideportivo, en un municipio con el casco urbano fuera de la zona I, lo más cerca "
     u"posible de ella y a no más de 50 km de la central. Allí se recibe y clasifica a los "
     u"evacuados y se mide y descontamina a personas y vehículos.",
     {u"PLABEN", u"Tít. III 1.6.2.3"}},
    /* 20 */
    {u"EFECTOS GENÉTICOS",
     u"EFECTOS GENÉTICOS: Efectos de la radiación que aparecen en los descendientes de la "
     u"persona expuesta, por daños en sus células reproductoras; también se llaman "
     u"hereditarios. Son estocásticos: no tienen umbral y su probabilidad aumenta con la "
     u"dosis.",
     {u"PLABEN", u"anexo I"}},
    /* 21 */
    {u"EFECTOS SOMÁTICOS",
     u"EFECTOS SOMÁTICOS: Efectos de la radiación que aparecen en la propia persona expuesta. "
     u"Pueden ser deterministas, que se presentan pronto y solo por encima de un umbral de "
     u"dosis, como las lesiones en la piel, o estocásticos y tardíos, como el cáncer, que "
     u"puede aparecer años después.",
     {u"PLABEN", u"anexo I; anexo II 1"}},
    /* 22 */
    {u"ELECTRÓN",
     u"ELECTRÓN: Partícula elemental con carga eléctrica negativa y una masa muy pequeña: la "
     u"del protón es unas 1836 veces mayor. Los electrones forman la corteza del átomo, "
     u"alrededor del núcleo. Un electrón emitido por un núcleo recibe el nombre de partícula "
     u"beta.",
     {u"Física básica", u"partículas del átomo"}},
    /* 23 */
    {u"ESCALA INES",
     u"ESCALA INES: Escala Internacional de Sucesos Nucleares y Radiológicos, elaborada en "
     u"1990 por el OIEA y la Agencia para la Energía Nuclear de la OCDE para informar al "
     u"público de la importancia de un suceso para la seguridad. Los niveles 1 a 3 son "
     u"incidentes; los 4 a 7, accidentes, y el 0, una desviación sin importancia.",
     {u"SNE", u"INES rev. 1"}},
    /* 24 */
    {u"FISIÓN NUCLEAR",
     u"FISIÓN NUCLEAR: División de un núcleo pesado, como el uranio-235, en dos fragmentos "
     u"radiactivos tras absorber un neutrón. Libera mucha energía en forma de calor y "
     u"radiación, y dos o tres neutrones que pueden causar nuevas fisiones: la reacción en "
     u"cadena, que en un reactor se mantiene controlada.",
     {u"Física básica", u"fisión y reacción en cadena"}},
    /* 25 */
    {u"FUENTE RADIACTIVA",
     u"FUENTE RADIACTIVA: Fuente de radiación que contiene material radiactivo, es decir, "
     u"sustancias con isótopos radiactivos, y que se usa por su radiactividad. Puede estar "
     u"encapsulada (sellada) o no encapsulada. Un equipo de rayos X emite radiación, pero no "
     u"es una fuente radiactiva, porque no contiene material radiactivo.",
     {u"RD 1029/2022", u"arts. 4.40 y 4.42"}},
    /* 26 */
    {u"FUENTES DE RADIACIÓN ARTIFICIAL",
     u"FUENTES DE RADIACIÓN ARTIFICIAL: Fuentes creadas o manipuladas por el ser humano: "
     u"equipos de rayos X, medicina nuclear y radioterapia, usos industriales y de "
     u"investigación, centrales nucleares y sus residuos, y la lluvia radiactiva de ensayos "
     u"nucleares y accidentes.",
     {u"RD 783/2001", u"anexo I (fuentes artificiales)"}},
    /* 27 */
    {u"FUENTES DE RADIACIÓN NATURAL",
     u"FUENTES DE RADIACIÓN NATURAL: Fuentes de origen terrestre o cósmico: los rayos "
     u"cósmicos; los elementos radiactivos de la corteza terrestre, como el uranio y el "
     u"torio; el radón, un gas radiactivo que sale del suelo; y los isótopos radiactivos del "
     u"propio cuerpo, como el potasio-40. Juntas forman el fondo radiactivo natural.",
     {u"RD 1029/2022", u"arts. 4.39, 4.41 y 4.69"}},
    /* 28 */
    {u"GRUPO LOGÍSTICO",
     u"GRUPO LOGÍSTICO: Grupo de apoyo logístico del PEN, con personal de protección civil de "
     u"la comunidad autónoma. Transporta, abastece, alberga y asiste a la población, se ocupa "
     u"de incendios y salvamento y coordina, con las organizaciones municipales, la actuación "
     u"en los municipios con funciones de ABRS.",
     {u"PLABEN", u"Tít. III 1.5.5"}},
    /* 29 */
    {u"GRUPO RADIOLÓGICO",
     u"GRUPO RADIOLÓGICO: Grupo operativo del PEN, con especialistas del CSN o de entidades "
     u"públicas o privadas que este considere adecuadas. Sigue la evolución del accidente, "
     u"caracteriza la situación radiológica, controla las dosis de quienes intervienen, mide "
     u"la contaminación de personas y vehículos y gestiona los residuos.",
     {u"PLABEN", u"Tít. III 1.5.2"}},
    /* 30 */
    {u"GRUPO SANITARIO",
     u"GRUPO SANITARIO: Grupo operativo del PEN formado por personal que designa la "
     u"consejería de sanidad de la comunidad autónoma. Se ocupa de la profilaxis radiológica, "
     u"la descontaminación de personas, la asistencia urgente a irradiados y contaminados, el "
     u"transporte sanitario y la atención psicológica.",
     {u"PLABEN", u"Tít. III 1.5.4"}},
    /* 31 */
    {u"IRRADIACIÓN EXTERNA",
     u"IRRADIACIÓN EXTERNA: Exposición a la radiación de fuentes situadas fuera del "
     u"organismo, como la nube radiactiva o el suelo contaminado. Se reduce con menos tiempo, "
     u"más distancia y un blindaje, que la atenúa pero no la anula; cesa al salir del campo "
     u"de radiación o al retirar la fuente. No vuelve radiactiva a la persona.",
     {u"RD 1029/2022", u"art. 4.31"}},
    /* 32 */
    {u"IRRADIACIÓN INTERNA",
     u"IRRADIACIÓN INTERNA: Exposición a sustancias radiactivas que han entrado en el "
     u"organismo por inhalación, ingestión o heridas, es decir, por una contaminación "
     u"interna. Dura hasta que se eliminan o se desintegran. Se evalúa con la dosis "
     u"comprometida: la de 50 años en un adulto y, en un niño, la que recibe hasta cumplir 70 "
     u"años.",
     {u"RD 1029/2022", u"arts. 4.19 y 4.32"}},
    /* 33 */
    {u"NEUTRÓN",
     u"NEUTRÓN: Partícula del núcleo atómico sin carga eléctrica, de masa algo mayor que la "
     u"del protón. Libre es inestable: en unos diez minutos la mitad se transforma en "
     u"protones. Provoca y mantiene la fisión. Como radiación, los neutrones son muy "
     u"penetrantes e ionizan de forma indirecta; el agua y el hormigón los frenan.",
     {u"Física básica", u"partículas del átomo"}},
    /* 34 */
    {u"NIVEL CENTRAL DE RESPUESTA",
     u"NIVEL CENTRAL DE RESPUESTA: Nivel estatal que apoya a los PEN provinciales y se activa "
     u"siempre que se activa uno de ellos. Lo dirige el director general de Protección Civil "
     u"y Emergencias. Aporta medios extraordinarios, gestiona la ayuda internacional y avisa "
     u"al OIEA, a la Unión Europea y a los países vecinos.",
     {u"PLABEN", u"Tít. I 7 i; Tít. III 2"}},
    /* 35 */
    {u"PARTÍCULA ALFA",
     u"PARTÍCULA ALFA: Núcleo de helio formado por dos protones y dos neutrones. La emiten "
     u"núcleos pesados, como los de uranio, radio o plutonio. Ioniza mucho pero penetra poco: "
     u"la detiene una hoja de papel o la capa externa de la piel, y en el aire recorre pocos "
     u"centímetros. Es peligrosa si se inhala o se ingiere.",
     {u"Física básica", u"desintegración alfa"}},
    /* 36 */
    {u"PARTÍCULA BETA",
     u"PARTÍCULA BETA: Electrón o positrón que emite un núcleo cuando uno de sus neutrones se "
     u"convierte en protón, o al revés. Penetra más que la alfa: recorre metros en el aire y "
     u"milímetros en los tejidos, y la detienen unos milímetros de aluminio. La emiten, por "
     u"ejemplo, el yodo-131 y el cesio-137.",
     {u"Física básica", u"desintegración beta"}},
    /* 37 */
    {u"PENBU", u"PENBU: Plan de Emergencia Nuclear de la provincia de Burgos.", {kOwnTextKey, u"texto fijo"}},
    /* 38 */
    {u"PENCA",
     u"PENCA: Plan de Emergencia Nuclear de la provincia de Cáceres.",
     {kOwnTextKey, u"texto fijo"}},
    /* 39 */
    {u"PENGUA",
     u"PENGUA: Plan de Emergencia Nuclear de la provincia de Guadalajara.",
     {kOwnTextKey, u"texto fijo"}},
    /* 40 */
    {u"PENTA",
     u"PENTA: Plan de Emergencia Nuclear de la provincia de Tarragona.",
     {kOwnTextKey, u"texto fijo"}},
    /* 41 */
    {u"PENVA",
     u"PENVA: Plan de Emergencia Nuclear de la provincia de Valencia.",
     {kOwnTextKey, u"texto fijo"}},
    /* 42 */
    {u"PLAN DE EMERGENCIA EXTERIOR",
     u"PLAN DE EMERGENCIA EXTERIOR: Plan de Emergencia Nuclear (PEN) que organiza la "
     u"respuesta fuera de la central; hay uno por provincia con central. Es competencia del "
     u"Estado, con las comunidades autónomas y los ayuntamientos. Lo dirige el delegado del "
     u"Gobierno en la comunidad autónoma, que puede delegar en el subdelegado.",
     {u"PLABEN", u"art. 2; Tít. I 4 b y 5; Tít. III 1.1"}},
    /* 43 */
    {u"PLAN DE EMERGENCIA INTERIOR",
     u"PLAN DE EMERGENCIA INTERIOR: Plan del titular de la central, conocido como PEI, que "
     u"organiza su autoprotección bajo control del CSN. Fija las medidas y los responsables "
     u"para mitigar un accidente, proteger al personal y avisar de inmediato a las "
     u"autoridades. Clasifica los accidentes en categorías de la I a la IV.",
     {u"RD 1217/2024", u"art. 24 d"}},
    /* 44 */
    {u"PLANES DE ACTUACIÓN MUNICIPAL",
     u"PLANES DE ACTUACIÓN MUNICIPAL: Planes de Actuación Municipal en Emergencia Nuclear "
     u"(PAMEN), parte del PEN. Los dirige el alcalde desde el CECOPAL; los aprueba el Pleno "
     u"del ayuntamiento y los ratifica el director del PEN. Los tienen los municipios de las "
     u"zonas I y II, los que son sede de una ECD y los que tienen funciones de ABRS.",
     {u"PLABEN", u"Tít. III 1.6; Tít. IV 7.1.1 c"}},
    /* 45 */
    {u"PROFILAXIS RADIOLÓGICA",
     u"PROFILAXIS RADIOLÓGICA: Medida urgente: tomar yodo estable (yoduro o yodato potásico) "
     u"para que el tiroides absorba menos yodo radiactivo. Es más eficaz antes de la "
     u"incorporación o lo antes posible después; unas horas más tarde, reduce la absorción a "
     u"la mitad, aproximadamente. Se toma si lo indican las autoridades sanitarias.",
     {u"PLABEN", u"anexo IV 1"}},
    /* 46 */
    {u"PROTÓN",
     u"PROTÓN: Partícula del núcleo atómico con carga eléctrica positiva, igual en valor a la "
     u"del electrón pero de signo contrario, y una masa unas 1836 veces mayor que la de este. "
     u"El número de protones de un núcleo es el número atómico, que determina de qué elemento "
     u"se trata.",
     {u"Física básica", u"partículas del átomo"}},
    /* 47 */
    {u"RADIACIÓN IONIZANTE",
     u"RADIACIÓN IONIZANTE: Radiación capaz de producir iones, directa o indirectamente, al "
     u"atravesar la materia. Puede ser de partículas (alfa, beta, neutrones) o "
     u"electromagnética (rayos gamma y X), y puede dañar las células. La luz, las ondas de "
     u"radio y las microondas no son ionizantes.",
     {u"RD 1029/2022", u"art. 4.68"}},
    /* 48 */
    {u"RADIACTIVIDAD",
     u"RADIACTIVIDAD: Transformación espontánea de núcleos inestables en otros, con emisión "
     u"de radiación alfa, beta o gamma. Puede ser natural o artificial; la descubrió "
     u"Becquerel en 1896. Cada isótopo radiactivo tiene su periodo de semidesintegración: "
     u"unos 8 días el yodo-131 y unos 30 años el cesio-137.",
     {u"Física básica", u"desintegración radiactiva"}},
    /* 49 */
    {u"RAYO GAMMA",
     u"RAYO GAMMA: Radiación electromagnética de alta energía, sin masa ni carga, que emite "
     u"un núcleo excitado, normalmente tras una desintegración alfa o beta. Es como los rayos "
     u"X, pero de origen nuclear. Muy penetrante, la atenúan el plomo, el hormigón o el agua; "
     u"es la causa principal de la irradiación externa.",
     {u"Física básica", u"radiación gamma"}},
    /* 50 */
    {u"REACTOR NUCLEAR",
     u"REACTOR NUCLEAR: Estructura con combustible nuclear dispuesto para que se mantenga por "
     u"sí solo un proceso de fisión, sin fuente adicional de neutrones. Sus partes "
     u"principales son el combustible, el moderador, el refrigerante, las barras de control y "
     u"la vasija.",
     {u"LEN", u"art. 2.10"}},
    /* 51 */
    {u"RESÍDUO RADIACTIVO",
     u"RESÍDUO RADIACTIVO: Material de desecho sin uso previsto que contiene sustancias "
     u"radiactivas, o está contaminado con ellas, por encima de los niveles fijados por el "
     u"Ministerio con informe del CSN. Lo gestiona ENRESA. El de baja y media actividad se "
     u"almacena en El Cabril (Córdoba).",
     {u"RD 1029/2022", u"art. 4.71"}},
    /* 52 */
    {u"SACOP", u"SACOP: Sala de Coordinación Operativa. Situada en el CECOP.", {kOwnTextKey, u"texto fijo"}},
    /* 53 */
    {u"SALEM",
     u"SALEM: Sala de Emergencias del CSN, en su sede de Madrid. Funciona las 24 horas del "
     u"día, todo el año; recibe datos de las centrales y de las redes de vigilancia "
     u"radiológica, se comunica con los CECOP, evalúa las consecuencias de un accidente y "
     u"prepara recomendaciones.",
     {u"PLABEN", u"Tít. III 3.5"}},
    /* 54 */
    {u"SECTOR DE ATENCIÓN PREFERENTE",
     u"SECTOR DE ATENCIÓN PREFERENTE: Sector de 22,5 grados centrado en la central, hacia "
     u"donde va el viento, más sus dos vecinos. Su parte en la subzona IB forma, con toda la "
     u"IA, la zona de atención preferente, donde, en un accidente de categoría IV, se aplican "
     u"enseguida las medidas de la situación 3, evacuación incluida.",
     {u"PLABEN", u"Tít. II 4 c; anexo V, figura 2"}},
    /* 55 */
    {u"SEGURIDAD ASOCIADA",
     u"SEGURIDAD ASOCIADA: Medidas de seguridad que acompañan a una central nuclear, como el "
     u"personal con licencia del CSN, las especificaciones técnicas de funcionamiento, la "
     u"garantía de calidad, el mantenimiento y la inspección del CSN.",
     {u"RD 1217/2024", u"art. 24 c y f; el término no tiene definición oficial"}},
    /* 56 */
    {u"SEGURIDAD EN EMERGENCIA",
     u"SEGURIDAD EN EMERGENCIA: Seguridad prevista para una emergencia: la planificación que "
     u"limita las consecuencias de un accidente, con el plan de emergencia interior (PEI), a "
     u"cargo del titular dentro de la central, y el exterior (PEN), a cargo del Estado, con "
     u"medidas para proteger a la población.",
     {u"PLABEN", u"Tít. I 4; el término no tiene definición oficial"}},
    /* 57 */
    {u"SEGURIDAD INCORPORADA",
     u"SEGURIDAD INCORPORADA: Seguridad que la propia central lleva incorporada: barreras "
     u"sucesivas entre el material radiactivo y el exterior (el combustible y su vaina, el "
     u"circuito primario con la vasija y el recinto de contención), sistemas de seguridad y "
     u"defensa en profundidad.",
     {u"PLABEN", u"anexo III (barreras); el término no tiene definición oficial"}},
    /* 58 */
    {u"SIEVERT",
     u"SIEVERT: Unidad del Sistema Internacional para la dosis equivalente y la dosis "
     u"efectiva, de símbolo Sv, igual a un julio por kilogramo. Como es una unidad grande, se "
     u"suele usar su milésima parte, el milisievert. El límite de dosis para el público es de "
     u"1 milisievert al año.",
     {u"RD 1029/2022", u"arts. 4.77 y 15.1"}},
    /* 59 */
    {u"ZONA BAJO CONTROL DEL EXPLOTADOR",
     u"ZONA BAJO CONTROL DEL EXPLOTADOR: También llamada zona 0: el área de la central más "
     u"los terrenos que su titular puede usar libremente, por ser suyos o por acuerdo con sus "
     u"propietarios. Su tamaño lo fija la licencia. Dentro de ella se aplican las medidas del "
     u"PEI, y queda incluida en la zona I.",
     {u"PLABEN", u"Tít. II 4 a"}},
    /* 60 */
    {u"ZONAS DE PLANIFICACIÓN",
     u"ZONAS DE PLANIFICACIÓN: Áreas en torno a la central donde se planifica la protección. "
     u"La zona I, de medidas urgentes, es el círculo de 10 km de radio centrado en la "
     u"central: subzonas IA (hasta 3 km), IB (de 3 a 5 km) e IC (de 5 a 10 km). La zona II, "
     u"de medidas de larga duración, es la corona entre los radios de 10 y 30 km.",
     {u"PLABEN", u"Tít. I 7 g; Tít. II 4"}},
}};

// Every entry cites a key of kSources and says where in that publication its
// content is; a missing or misspelt key stops the build.
constexpr bool everyEntryCitesAKnownSource()
{
    for (const Entry& entry : kCatalogue) {
        if (!isSourceKey(entry.source.key) || entry.source.locator.empty())
            return false;
    }
    return true;
}
static_assert(everyEntryCitesAKnownSource(), "an entry cites a source key that kSources does not list");

} // namespace lexidor
