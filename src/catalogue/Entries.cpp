// SPDX-License-Identifier: MIT
// The 61 entries of the glossary, in the order the list shows them.
// Each definition opens with its own term, a colon and one space. The
// publications each one rests on, with the words there that back it, are in
// EntrySources.cpp, row for row.

#include "Catalogue.h"

namespace lexidor {

constexpr std::array<Entry, kRowCount> kCatalogue{{
    /*  0 */
    {u"ABRS",
     u"ABRS: (Área Base de Recepción Social). Lugar en donde se acogen a las personas evacuadas de las "
     u"áreas afectadas por el accidente nuclear."},
    /*  1 */
    {u"ACCIDENTE NUCLEAR",
     u"ACCIDENTE NUCLEAR: Hecho o serie de hechos fortuitos de un mismo origen que liberan de una central "
     u"más material radiactivo del autorizado y causan daños. El PEI clasifica los accidentes previsibles de "
     u"la categoría I, sin liberación, a la IV, que puede exigir proteger a la población. La escala INES es "
     u"otra clasificación."},
    /*  2 */
    {u"ACTIVIDAD",
     u"ACTIVIDAD: Número de desintegraciones nucleares espontáneas que se producen en una cantidad de "
     u"material radiactivo por unidad de tiempo. Se mide en bequerelios (antes, en curios) y disminuye "
     u"con el tiempo según el periodo de semidesintegración de cada isótopo radiactivo."},
    /*  3 */
    {u"ÁTOMO",
     u"ÁTOMO: La unidad más pequeña de un elemento químico. Tiene un núcleo de protones y neutrones, que "
     u"reúne casi toda la masa, rodeado de electrones; en conjunto, el átomo es eléctricamente neutro. El "
     u"número de protones determina el elemento; los isótopos de un elemento difieren en el número de "
     u"neutrones."},
    /*  4 */
    {u"BEQUERELIO",
     u"BEQUERELIO: Unidad de actividad del Sistema Internacional, de símbolo Bq, que equivale a una "
     u"desintegración por segundo. Debe su nombre al físico Becquerel. Como es una unidad muy pequeña, "
     u"las actividades se suelen expresar en miles, millones o miles de millones de bequerelios."},
    /*  5 */
    {u"CAT", u"CAT: Sigla que ningún texto oficial consultado desarrolla. En este glosario, un centro de la "
             u"organización de emergencia del titular de una central nuclear: la que responde dentro de la "
             u"instalación según su plan de emergencia interior (PEI)."},
    /*  6 */
    {u"CECOP",
     u"CECOP: Centro de Coordinación Operativa. Desde él se dirige y coordina la respuesta exterior a la "
     u"central, la del PEN; es el puesto de mando del director del PEN y está en la sede del representante "
     u"del Gobierno en la provincia. Activado el PEN, funciona como centro integrado. Incluye la SACOP y el "
     u"CETRA."},
    /*  7 */
    {u"CECOPAL",
     u"CECOPAL: Centro de Coordinación Operativa Municipal. Puesto de mando desde el que el alcalde, "
     u"director del PAMEN, dirige la respuesta del municipio. Tiene su sede preferentemente en el "
     u"ayuntamiento y dispone de enlace seguro y redundante con el CECOP, energía eléctrica autónoma y "
     u"medios de aviso a la población."},
    /*  8 */
    {u"CENTRAL NUCLEAR",
     u"CENTRAL NUCLEAR: Instalación nuclear fija que produce electricidad con un reactor nuclear: el "
     u"calor de la fisión genera vapor, que mueve una turbina acoplada a un alternador. Cada provincia "
     u"española con central nuclear tiene su propio plan de emergencia exterior."},
    /*  9 */
    {u"CETRA", u"CETRA: Centro de Transmisiones, situado en el CECOP."},
    /* 10 */
    {u"CONFINAMIENTO",
     u"CONFINAMIENTO: Medida urgente: quedarse en casa o en un edificio cercano para evitar la irradiación "
     u"de la nube y del suelo y la inhalación de la nube. Tapar rendijas y parar la ventilación protegen "
     u"más; pasada la nube, hay que ventilar. Desde 2023 se aplica hasta 10 km en categoría IV (hasta 5 km "
     u"en la III si se prevé la IV)."},
    /* 11 */
    {u"CONTAMINACIÓN EXTERNA",
     u"CONTAMINACIÓN EXTERNA: Presencia de sustancias radiactivas sobre la piel, el pelo o la ropa. Mientras "
     u"siguen ahí, irradian a la persona y la contaminación puede extenderse a otras personas o lugares. Se "
     u"elimina o se reduce quitándose la ropa y lavándose, por ejemplo en la ECD."},
    /* 12 */
    {u"CONTAMINACIÓN INTERNA",
     u"CONTAMINACIÓN INTERNA: Presencia en el organismo de sustancias radiactivas que han entrado por "
     u"inhalación, por ingestión, a través de la piel o por una herida. Irradian desde dentro hasta que "
     u"el cuerpo las elimina o se desintegran. Su descontaminación puede requerir intervención "
     u"sanitaria."},
    /* 13 */
    {u"CSN", u"CSN: Consejo de Seguridad Nuclear."},
    /* 14 */
    {u"CURIO",
     u"CURIO: Unidad antigua de actividad, ajena al Sistema Internacional, de símbolo Ci. Equivale a "
     u"37\u00A0000 millones de bequerelios, aproximadamente la actividad de un gramo de radio-226. También "
     u"se usan sus milésimas y millonésimas partes."},
    /* 15 */
    {u"DESCONTAMINACIÓN",
     u"DESCONTAMINACIÓN: Eliminación o reducción de la contaminación radiactiva de personas, equipos o "
     u"vehículos, para que no aumente la dosis ni se extienda. La de personas, en la ECD, va de desvestirse "
     u"y lavarse a la intervención sanitaria si la contaminación es interna. La de zonas es una medida de "
     u"larga duración o de recuperación."},
    /* 16 */
    {u"DOSIS ABSORBIDA",
     u"DOSIS ABSORBIDA: Energía que la radiación ionizante cede a la materia por unidad de masa. Su "
     u"unidad es el gray, de símbolo Gy, que equivale a un julio por kilogramo. No tiene en cuenta el "
     u"tipo de radiación que la produce."},
    /* 17 */
    {u"DOSIS EFECTIVA",
     u"DOSIS EFECTIVA: Suma de las dosis equivalentes de los tejidos y órganos, multiplicadas por su factor "
     u"de ponderación tisular. Se mide en sieverts e indica el riesgo de cáncer y de efectos hereditarios, "
     u"no el de efectos deterministas. El límite para el público, 1 mSv al año, rige en exposiciones "
     u"planificadas, no en una emergencia."},
    /* 18 */
    {u"DOSIS EQUIVALENTE",
     u"DOSIS EQUIVALENTE: Dosis absorbida en un tejido u órgano, ponderada por un factor que depende "
     u"del tipo y la calidad de la radiación, ya que no todas las radiaciones producen el mismo daño "
     u"con igual dosis absorbida. Su unidad es el sievert."},
    /* 19 */
    {u"ECD",
     u"ECD: Estación de Clasificación y Descontaminación. Instalación existente adaptada, en un municipio "
     u"con el casco urbano fuera de la zona I, pero lo más cerca posible, y a no más de 50 km de la central. "
     u"Allí se recibe y clasifica a los evacuados, se mide y descontamina a las personas y se descontaminan "
     u"los vehículos de emergencia."},
    /* 20 */
    {u"EFECTOS GENÉTICOS",
     u"EFECTOS GENÉTICOS: Efectos de la radiación en los descendientes, por daños en las células "
     u"reproductoras de la persona expuesta; también se llaman hereditarios. Se han observado en animales, "
     u"no en personas. La protección radiológica supone, por prudencia, que no tienen umbral y que su "
     u"probabilidad crece con la dosis."},
    /* 21 */
    {u"EFECTOS SOMÁTICOS",
     u"EFECTOS SOMÁTICOS: Efectos de la radiación en la propia persona expuesta. Los deterministas solo "
     u"se dan por encima de un umbral de dosis y suelen aparecer pronto, aunque algunos, como las "
     u"cataratas, tardan años. Los estocásticos, como el cáncer, no tienen umbral conocido y aparecen "
     u"años después."},
    /* 22 */
    {u"ELECTRÓN",
     u"ELECTRÓN: Partícula elemental con carga eléctrica negativa y una masa muy pequeña: la del protón "
     u"es unas 1836 veces mayor. Los electrones forman la corteza del átomo, alrededor del núcleo. Un "
     u"electrón emitido por un núcleo recibe el nombre de partícula beta."},
    /* 23 */
    {u"ESCALA INES",
     u"ESCALA INES: Escala Internacional de Sucesos Nucleares y Radiológicos, elaborada en 1990 por el "
     u"OIEA y la Agencia para la Energía Nuclear de la OCDE para comunicar al público la importancia de "
     u"cada suceso para la seguridad. Niveles 1 a 3: incidentes; 4 a 7: accidentes; 0: desviaciones sin "
     u"significación para la seguridad."},
    /* 24 */
    {u"FISIÓN NUCLEAR",
     u"FISIÓN NUCLEAR: División de un núcleo pesado, como el uranio-235, en dos fragmentos radiactivos. "
     u"Puede ser espontánea; en un reactor la provoca la absorción de un neutrón. Libera mucha energía en "
     u"forma de calor y radiación, y dos o tres neutrones que pueden causar nuevas fisiones: la reacción en "
     u"cadena, controlada en el reactor."},
    /* 25 */
    {u"FUENTE RADIACTIVA",
     u"FUENTE RADIACTIVA: Fuente de radiación que contiene material radiactivo, es decir, sustancias "
     u"con isótopos radiactivos, y que se usa por su radiactividad. Puede estar encapsulada (sellada) o "
     u"no encapsulada. Un equipo de rayos X emite radiación, pero no es una fuente radiactiva, porque "
     u"no contiene material radiactivo."},
    /* 26 */
    {u"FUENTES DE RADIACIÓN ARTIFICIAL",
     u"FUENTES DE RADIACIÓN ARTIFICIAL: Fuentes de radiación distintas de las naturales. Son, por "
     u"ejemplo, los equipos de rayos X, la medicina nuclear y la radioterapia, los usos industriales y "
     u"de investigación, las centrales nucleares y la lluvia radiactiva de los ensayos nucleares."},
    /* 27 */
    {u"FUENTES DE RADIACIÓN NATURAL",
     u"FUENTES DE RADIACIÓN NATURAL: Fuentes de origen terrestre o cósmico: los rayos cósmicos; los "
     u"elementos radiactivos de la corteza terrestre, como el uranio y el torio; el radón, un gas "
     u"radiactivo que sale del suelo; y los isótopos radiactivos del propio cuerpo, como el potasio-40. "
     u"Juntas forman el fondo radiactivo natural."},
    /* 28 */
    {u"GRUPO LOGÍSTICO",
     u"GRUPO LOGÍSTICO: Grupo de apoyo logístico del PEN, con personal de protección civil de la "
     u"comunidad autónoma. Transporta, abastece, alberga y asiste a la población, se ocupa de incendios "
     u"y salvamento y coordina, con las organizaciones municipales, la actuación en los municipios con "
     u"funciones de ABRS."},
    /* 29 */
    {u"GRUPO RADIOLÓGICO",
     u"GRUPO RADIOLÓGICO: Grupo del PEN con especialistas del CSN o de entidades que este juzgue adecuadas. "
     u"Sus funciones (situación radiológica, dosimetría del personal de intervención, medida de la "
     u"contaminación, gestión de los residuos en la fase de emergencia) las asume desde 2023 la Dirección "
     u"Radiológica de la Emergencia del CSN."},
    /* 30 */
    {u"GRUPO SANITARIO",
     u"GRUPO SANITARIO: Grupo operativo del PEN formado por personal que designa la consejería de "
     u"sanidad de la comunidad autónoma. Se ocupa de la profilaxis radiológica, la descontaminación de "
     u"personas, la asistencia urgente a irradiados y contaminados, el transporte sanitario y la "
     u"atención psicológica."},
    /* 31 */
    {u"IRRADIACIÓN EXTERNA",
     u"IRRADIACIÓN EXTERNA: Exposición a fuentes de radiación de fuera del organismo, como la nube o el "
     u"suelo contaminado. Se reduce con menos tiempo, más distancia y blindaje, que detiene la beta y atenúa "
     u"la gamma sin anularla; cesa al salir del campo de radiación o retirar la fuente. Esa radiación no "
     u"vuelve radiactiva a la persona."},
    /* 32 */
    {u"IRRADIACIÓN INTERNA",
     u"IRRADIACIÓN INTERNA: Exposición a sustancias radiactivas incorporadas al organismo por "
     u"inhalación, ingestión, la piel o una herida, es decir, por contaminación interna. Dura hasta que "
     u"se eliminan o se desintegran. Se evalúa con la dosis comprometida: la de 50 años en un adulto y, "
     u"en un niño, la que recibe hasta cumplir 70 años."},
    /* 33 */
    {u"NEUTRÓN",
     u"NEUTRÓN: Partícula del núcleo atómico sin carga eléctrica, de masa algo mayor que la del protón. "
     u"Libre es inestable: se transforma en un protón, con un periodo de semidesintegración de unos diez "
     u"minutos. Provoca y mantiene la fisión. Como radiación es muy penetrante e ioniza de forma indirecta; "
     u"lo frenan el agua y el hormigón."},
    /* 34 */
    {u"NIVEL CENTRAL DE RESPUESTA",
     u"NIVEL CENTRAL DE RESPUESTA: Nivel estatal de apoyo a los PEN; se activa con cualquiera de ellos. Lo "
     u"dirige el titular del órgano de protección civil del Ministerio del Interior. Aporta medios "
     u"extraordinarios, gestiona la ayuda internacional y notifica al OIEA y a la Unión Europea y, en su "
     u"caso, a los países fronterizos."},
    /* 35 */
    {u"PARTÍCULA ALFA",
     u"PARTÍCULA ALFA: Núcleo de helio formado por dos protones y dos neutrones. La emiten núcleos "
     u"pesados, como los de uranio, radio o plutonio. Ioniza mucho pero penetra poco: la detiene una "
     u"hoja de papel o la capa externa de la piel, y en el aire recorre pocos centímetros. Es peligrosa "
     u"si se inhala o se ingiere."},
    /* 36 */
    {u"PARTÍCULA BETA",
     u"PARTÍCULA BETA: Electrón o positrón que emite un núcleo cuando uno de sus neutrones se convierte "
     u"en protón, o al revés. Penetra más que la alfa: recorre metros en el aire y milímetros en los "
     u"tejidos, y la detienen unos milímetros de aluminio. La emiten, por ejemplo, el yodo-131 y el "
     u"cesio-137."},
    /* 37 */
    {u"PENBU", u"PENBU: Plan de Emergencia Nuclear de la provincia de Burgos."},
    /* 38 */
    {u"PENCA", u"PENCA: Plan de Emergencia Nuclear de la provincia de Cáceres."},
    /* 39 */
    {u"PENGUA", u"PENGUA: Plan de Emergencia Nuclear de la provincia de Guadalajara."},
    /* 40 */
    {u"PENTA", u"PENTA: Plan de Emergencia Nuclear de la provincia de Tarragona."},
    /* 41 */
    {u"PENVA", u"PENVA: Plan de Emergencia Nuclear de la provincia de Valencia."},
    /* 42 */
    {u"PLAN DE EMERGENCIA EXTERIOR",
     u"PLAN DE EMERGENCIA EXTERIOR: Plan de Emergencia Nuclear (PEN) que organiza la respuesta fuera de "
     u"la central; hay uno por provincia con central. Es competencia del Estado, con las comunidades "
     u"autónomas y los ayuntamientos. Lo dirige el delegado del Gobierno en la comunidad autónoma, que "
     u"puede delegar en el subdelegado."},
    /* 43 */
    {u"PLAN DE EMERGENCIA INTERIOR",
     u"PLAN DE EMERGENCIA INTERIOR: Plan del titular de la central, conocido como PEI, que organiza su "
     u"autoprotección bajo control del CSN. Fija las medidas y los responsables para mitigar un "
     u"accidente, proteger al personal y avisar de inmediato a las autoridades. Clasifica los "
     u"accidentes en categorías de la I a la IV."},
    /* 44 */
    {u"PLANES DE ACTUACIÓN MUNICIPAL",
     u"PLANES DE ACTUACIÓN MUNICIPAL: Planes de Actuación Municipal en Emergencia Nuclear (PAMEN), "
     u"parte del PEN. Los dirige el alcalde desde el CECOPAL; los aprueba el Pleno del ayuntamiento y "
     u"los ratifica el director del PEN. Los tienen los municipios de las zonas I y II, los que son "
     u"sede de una ECD y los que tienen funciones de ABRS."},
    /* 45 */
    {u"PROFILAXIS RADIOLÓGICA",
     u"PROFILAXIS RADIOLÓGICA: Medida urgente: tomar yodo estable (yoduro o yodato potásico) para que "
     u"el tiroides absorba menos yodo radiactivo. Es más eficaz antes de la incorporación o lo antes "
     u"posible después; unas horas más tarde, reduce la absorción a la mitad, aproximadamente. Se toma "
     u"según indiquen las autoridades sanitarias."},
    /* 46 */
    {u"PROTÓN",
     u"PROTÓN: Partícula del núcleo atómico con carga eléctrica positiva, igual en valor a la del "
     u"electrón pero de signo contrario, y una masa unas 1836 veces mayor que la de este. El número de "
     u"protones de un núcleo es el número atómico, que determina de qué elemento se trata."},
    /* 47 */
    {u"RADIACIÓN IONIZANTE",
     u"RADIACIÓN IONIZANTE: Radiación capaz de producir iones, directa o indirectamente, al atravesar la "
     u"materia. Puede ser de partículas (alfa, beta, neutrones) o electromagnética (rayos gamma y X), y "
     u"puede dañar las células. La luz visible, las ondas de radio y las microondas no son ionizantes."},
    /* 48 */
    {u"RADIACTIVIDAD",
     u"RADIACTIVIDAD: Transformación espontánea de núcleos inestables en otros, con emisión de "
     u"radiación alfa, beta o gamma. Puede ser natural o artificial; la descubrió Becquerel en 1896. "
     u"Cada isótopo radiactivo tiene su periodo de semidesintegración: unos 8 días el yodo-131 y unos "
     u"30 años el cesio-137."},
    /* 49 */
    {u"RAYO GAMMA",
     u"RAYO GAMMA: Radiación electromagnética de alta energía que emite un núcleo excitado, casi siempre "
     u"tras una desintegración alfa o beta; es como los rayos X, pero de origen nuclear. Muy penetrante: la "
     u"atenúan plomo, hormigón o agua. En una emergencia nuclear es la causa principal de la irradiación "
     u"externa por la nube y el suelo."},
    /* 50 */
    {u"REACTOR NUCLEAR",
     u"REACTOR NUCLEAR: Estructura con combustible nuclear dispuesto para que en ella se mantenga por "
     u"sí solo un proceso de fisión, sin fuente adicional de neutrones. En la mayoría de las centrales, "
     u"sus partes principales son el combustible, el moderador, el refrigerante, las barras de control "
     u"y la vasija."},
    /* 51 */
    {u"RESÍDUO RADIACTIVO",
     u"RESÍDUO RADIACTIVO: Material o producto de desecho sin uso previsto que contiene sustancias "
     u"radiactivas, o está contaminado con ellas, por encima de los niveles que fija el Ministerio para la "
     u"Transición Ecológica y el Reto Demográfico previo informe favorable del CSN. Su gestión está "
     u"encomendada por ley a ENRESA."},
    /* 52 */
    {u"SACOP", u"SACOP: Sala de Coordinación Operativa. Situada en el CECOP."},
    /* 53 */
    {u"SALEM", u"SALEM: Sala de Emergencias del CSN, centro operativo de su organización de respuesta ante "
               u"emergencias, en servicio permanente. Está conectada a las redes de vigilancia radiológica "
               u"automática y se comunica con los CECOP y con la sala de control de cada central; evalúa las "
               u"consecuencias de un accidente y prepara recomendaciones."},
    /* 54 */
    {u"SECTOR DE ATENCIÓN PREFERENTE",
     u"SECTOR DE ATENCIÓN PREFERENTE: Sector de 22,5 grados, con vértice en la central, que contiene la "
     u"dirección predominante hacia la que va el viento, más los dos adyacentes de igual amplitud. Su parte "
     u"en la subzona IB y toda la IA forman la zona de atención preferente, donde, en un accidente de "
     u"categoría IV, se evacúa de inmediato."},
    /* 55 */
    {u"SEGURIDAD ASOCIADA",
     u"SEGURIDAD ASOCIADA: Medidas de seguridad que acompañan a una central nuclear, como el personal "
     u"con licencia del CSN, las especificaciones técnicas de funcionamiento, la garantía de calidad, "
     u"el mantenimiento y la inspección del CSN."},
    /* 56 */
    {u"SEGURIDAD EN EMERGENCIA",
     u"SEGURIDAD EN EMERGENCIA: Planificación que limita las consecuencias de un accidente si llega a "
     u"producirse: el plan de emergencia interior (PEI), a cargo del titular dentro de la central, y el "
     u"exterior (PEN), a cargo del Estado, con medidas para proteger a la población."},
    /* 57 */
    {u"SEGURIDAD INCORPORADA",
     u"SEGURIDAD INCORPORADA: Protección que forma parte de la propia central: barreras físicas sucesivas "
     u"entre el material radiactivo y el exterior (la vaina del combustible, el circuito primario con la "
     u"vasija y el recinto de contención), sistemas de seguridad y defensa en profundidad, es decir, varios "
     u"niveles de protección."},
    /* 58 */
    {u"SIEVERT",
     u"SIEVERT: Unidad del Sistema Internacional para la dosis equivalente y la dosis efectiva, de "
     u"símbolo Sv, igual a un julio por kilogramo. Como es una unidad grande, se suele usar su milésima "
     u"parte, el milisievert. El límite para el público, 1 milisievert al año, rige en exposiciones "
     u"planificadas, no en una emergencia."},
    /* 59 */
    {u"ZONA BAJO CONTROL DEL EXPLOTADOR",
     u"ZONA BAJO CONTROL DEL EXPLOTADOR: También llamada zona 0: el área de la central más los terrenos "
     u"que su titular puede usar libremente, por ser suyos o por acuerdo con sus propietarios. Su "
     u"tamaño lo fija la licencia. Dentro de ella se aplican las medidas del PEI, y queda incluida en "
     u"la zona I."},
    /* 60 */
    {u"ZONAS DE PLANIFICACIÓN",
     u"ZONAS DE PLANIFICACIÓN: Áreas en torno a la central donde se planifica la protección. La zona I, "
     u"de medidas urgentes, es el círculo de 10 km de radio centrado en la central: subzonas IA (hasta "
     u"3 km), IB (de 3 a 5 km) e IC (de 5 a 10 km). La zona II, de medidas de larga duración, es la "
     u"corona entre los radios de 10 y 30 km."},
}};

} // namespace lexidor
