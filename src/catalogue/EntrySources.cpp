// SPDX-License-Identifier: MIT
// The sources of the 61 entries, row for row in the order of kCatalogue
// (Entries.cpp): for each entry, the publications its definition rests on,
// the place in each and the words there that back it, and what changed since
// the previous printed edition. The program never reads this table, so the
// shipped binary does not carry it; docs/glosario.md prints it.

#include "EntrySources.h"
#include "Sources.h"

namespace lexidor {

constexpr std::array<EntrySources, kRowCount> kEntrySources{{
    /*  0 */
    {u"ABRS",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"anexo I B; Tít. III 1.6.2.4",
        u"«ABRS: área base de recepción social»; «Serán municipios con funciones de ABRS aquellos "
        u"que tengan capacidad de abastecimiento y albergue de población evacuada»"}}},
     {}},
    /*  1 */
    {u"ACCIDENTE NUCLEAR",
     {{{u"PLABEN", u"anexo I; Tít. II 3",
        u"«hecho o sucesión de hechos fortuitos que tengan el mismo origen y produzcan la liberación del "
        u"material radiactivo, procedente de una central nuclear, en cantidad superior a la autorizada, "
        u"causando daños físicos o materiales»; «El PEI de cada central nuclear clasifica los accidentes "
        u"previsibles en alguna de las cuatro categorías señaladas»; «Los accidentes de categoría I no "
        u"producen liberación de material radiactivo»; «Los accidentes de categoría IV pueden dar lugar a "
        u"liberación de material radiactivo en cantidades tales que sea necesario aplicar medidas de "
        u"protección a la población»"},
       {u"SNE", u"entrada «Escala internacional de sucesos nucleares y radiológicos (rev 1)»",
        u"«Clasificación de los sucesos nucleares o radiológicos según su importancia para la seguridad»; "
        u"«El OIEA recomienda su utilización por todos los países para comunicar al público [...] la "
        u"importancia relativa de cada suceso»"}}},
     {ChangeKind::Definition,
      u"La serie de hechos también es fortuita («hecho o serie de hechos fortuitos de un mismo origen»), y "
      u"el PEI no clasifica el accidente ocurrido, sino los accidentes previsibles, de la categoría I, que "
      u"no libera material radiactivo, a la IV.",
      u"PLABEN, anexo I y Tít. II 3"}},
    /*  2 */
    {u"ACTIVIDAD",
     {{{u"RD 1029/2022", u"art. 4.2",
        u"«magnitud física que mide la tasa de desintegración de un radionucleido»; «el valor "
        u"esperado del número de desintegraciones nucleares espontáneas que se producen desde dicho "
        u"estado energético en el intervalo de tiempo dt»; «La unidad de actividad es el becquerelio "
        u"(Bq)»"},
       {kPhysicsKey, u"desintegración radiactiva",
        u"El curio es la unidad de actividad anterior al bequerelio. La actividad de un "
        u"radionucleido decrece con el tiempo: se reduce a la mitad en cada periodo de "
        u"semidesintegración."}}},
     {}},
    /*  3 */
    {u"ÁTOMO",
     {{{kPhysicsKey, u"estructura del átomo",
        u"El átomo, la menor parte de un elemento que conserva sus propiedades químicas, tiene un "
        u"núcleo de protones y neutrones con casi toda su masa y una corteza de tantos electrones "
        u"como protones. El número atómico Z (protones) fija el elemento; sus isótopos tienen "
        u"distinto número de neutrones."}}},
     {ChangeKind::Definition,
      u"«Y es eléctricamente neutro» pasa a «en conjunto, el átomo es eléctricamente neutro»: el sujeto "
      u"podía leerse como el núcleo.",
      u"Física básica, estructura del átomo"}},
    /*  4 */
    {u"BEQUERELIO",
     {{{u"RD 1029/2022", u"art. 4.2, por la unidad y su valor (el texto escribe «becquerelio»)",
        u"«La unidad de actividad es el becquerelio (Bq). Un becquerelio es igual a una desintegración "
        u"nuclear por segundo»"},
       {kPhysicsKey, u"unidades de actividad",
        u"El bequerelio es la unidad del Sistema Internacional y debe su nombre a Henri Becquerel. Es muy "
        u"pequeño: se usan sus múltiplos kBq, MBq y GBq."}}},
     {ChangeKind::SourceOnly,
      u"El RD 1029/2022 se cita por la unidad y su valor, no por la grafía: escribe «becquerelio»; el "
      u"glosario, «bequerelio».",
      u"RD 1029/2022, art. 4.2"}},
    /*  5 */
    {u"CAT",
     {{{u"PLABEN",
        u"Tít. I 4 a) (nivel de respuesta interior); ningún texto oficial consultado nombra ni desarrolla "
        u"la sigla CAT",
        u"«Nivel de respuesta interior o de autoprotección corporativa. Las actuaciones de preparación y "
        u"respuesta a situaciones de emergencia en este nivel se contienen en el plan de emergencia "
        u"interior (PEI) de cada central nuclear»"},
       {u"RD 1217/2024", u"art. 24 b) 2.º y d)",
        u"Reglamento de funcionamiento: «Especificará la organización y funciones del personal adscrito a "
        u"la instalación, tanto en condiciones normales como de emergencia»; plan de emergencia interior: "
        u"«Detallará las medidas previstas por el titular y la asignación de responsabilidades para hacer "
        u"frente a las condiciones de accidente»"}}},
     {ChangeKind::Definition,
      u"Dice que ningún texto oficial consultado desarrolla la sigla, y da como lectura del propio "
      u"glosario, no de una fuente, que designa un centro de la organización de emergencia del titular.",
      u"PLABEN, Tít. I 4 a); RD 1217/2024, art. 24 b) y d)"}},
    /*  6 */
    {u"CECOP",
     {{{u"PLABEN", u"Tít. III 3.1",
        u"«Centro de coordinación operativa del PEN (CECOP)»; «El CECOP del PEN es el lugar físico "
        u"desde el que se dirigen y coordinan todas las actuaciones de emergencia nuclear. Es el "
        u"puesto de mando del director del PEN y está situado en la sede del representante del "
        u"Gobierno en la provincia»; «siempre que se active el PEN, tendrá carácter de centro de "
        u"coordinación operativa integrado (CECOPI)»; «Forman parte del CECOP la sala de "
        u"coordinación operativa (SACOP) [...], el centro de transmisiones (CETRA) y la oficina "
        u"administrativa»"}}},
     {ChangeKind::Definition,
      u"«Es el puesto de mando de su director» pasa a «del director del PEN»: el posesivo podía referirse "
      u"a la central.",
      u"PLABEN, Tít. III 3.1"}},
    /*  7 */
    {u"CECOPAL",
     {{{u"PLABEN", u"Tít. III 3.3 y 1.6.1",
        u"«Centro de coordinación operativa municipal (CECOPAL)»; «Es el puesto de mando del "
        u"director del PAMEN»; «Tendrá su sede preferentemente en el ayuntamiento del municipio»; "
        u"«Comunicaciones seguras y redundantes para enlazar con el CECOP»; «Alimentación de energía "
        u"eléctrica redundante y autónoma»; «Medios para avisos a la población»; «El director del "
        u"plan de actuación municipal en emergencia nuclear será el alcalde del municipio»"}}},
     {}},
    /*  8 */
    {u"CENTRAL NUCLEAR",
     {{{u"LEN", u"art. 2.11 y 2.12 i)",
        u"«\"Central nuclear\" es cualquier instalación fija para la producción de energía mediante un "
        u"reactor nuclear»; «\"Instalaciones nucleares\" son: i) Las centrales nucleares y los "
        u"reactores nucleares»"},
       {u"RD 1217/2024", u"art. 17 a)",
        u"«Las centrales nucleares: cualquier instalación fija para la producción de energía "
        u"mediante un reactor nuclear»"},
       {u"PLABEN", u"art. 2 a) a e)",
        u"Un plan por provincia: PENBU (Burgos), PENCA (Cáceres), PENGUA (Guadalajara), PENTA "
        u"(Tarragona) y PENVA (Valencia), cada uno «plan de emergencia nuclear, exterior a» la "
        u"central o centrales de la provincia"},
       {kPhysicsKey, u"ciclo térmico de una central",
        u"El calor de la fisión produce vapor; el vapor mueve una turbina, y la turbina, un "
        u"alternador que genera la electricidad."}}},
     {}},
    /*  9 */
    {u"CETRA",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"Tít. III 3.1; anexo I B",
        u"«CETRA: centro de transmisiones»; «Forman parte del CECOP [...] el centro de transmisiones "
        u"(CETRA)»"}}},
     {}},
    /* 10 */
    {u"CONFINAMIENTO",
     {{{u"PLABEN", u"anexo IV 1 (confinamiento; autoprotección ciudadana)",
        u"«Consiste en la permanencia de la población bien en sus domicilios, bien en edificios próximos "
        u"[...] a fin de evitar la exposición externa a la nube radiactiva y del material depositado en el "
        u"suelo y la exposición interna por inhalación de las sustancias radiactivas»; «se puede mejorar "
        u"si se aplica conjuntamente con alguna de las medidas de autoprotección ciudadana»; «el "
        u"taponamiento de rendijas en los accesos de dependencias, o la parada de los sistemas de "
        u"ventilación»; «una vez pasada la nube, es necesaria la ventilación»"},
       {kAgreement2023Key, u"acuerdo segundo, apartado 1; Estrategia, apartado 3.1, tabla 2",
        u"«Los criterios radiológicos aprobados por el Consejo de Seguridad Nuclear (en adelante CSN), se "
        u"aplicarán a los planes de emergencia exterior de las centrales nucleares de Trillo "
        u"(Guadalajara), Almaraz (Cáceres), Santa María de Garoña (Burgos), Cofrentes (Valencia) y Ascó y "
        u"Vandellós (Tarragona) [...] en los términos y con el contenido que figuran en la Estrategia»; "
        u"tabla 2, «Relación entre categorías de emergencia y medidas de protección»: categoría III, "
        u"«Confinamiento», «Hasta 5 km», «Si se prevé pasar a Categoría IV»; categoría IV, "
        u"«Confinamiento», «Hasta 10 km»"}}},
     {ChangeKind::Definition,
      u"Ya no da como vigente el nivel de intervención de 2004 (10 mSv evitables en dos días como máximo, "
      u"PLABEN, anexo II): desde el Acuerdo de 2023 los planes exteriores aplican los criterios del CSN, "
      u"que prevén el confinamiento hasta 10 km en categoría IV y hasta 5 km en la III si se prevé pasar a "
      u"la IV. La inhalación se nombra sin un pronombre que no tenía antecedente.",
      u"Acuerdo 2023, acuerdo segundo, apartado 1; Estrategia, apartado 3.1, tabla 2"}},
    /* 11 */
    {u"CONTAMINACIÓN EXTERNA",
     {{{u"PLABEN", u"anexo I (contaminación radiactiva)",
        u"«externa o cutánea, cuando se ha depositado en la superficie exterior, o interna cuando "
        u"penetra en el organismo por cualquier vía de incorporación (inhalación, ingestión, "
        u"percutánea, etc.)»"},
       {u"PLABEN", u"anexo IV, introducción y 1 (descontaminación de personas)",
        u"«La exposición externa es la causada [...] por los radionúclidos de la nube que se "
        u"depositen en el suelo y en la ropa y piel de las personas»; «evita el incremento de la "
        u"dosis individual y la propagación de la contaminación a otras personas o lugares»; «desde "
        u"el simple despojo de la vestimenta o coberturas, pasando por lavados más o menos "
        u"profundos»"},
       {u"PLABEN", u"Tít. III 1.6.2.3", u"En la ECD: «Medida y descontaminación de personas»"}}},
     {ChangeKind::Definition,
      u"Ya no dice que la contaminación puede «llegar al interior del organismo», que los lugares citados "
      u"no dicen; sí, que puede extenderse a otras personas o lugares.",
      u"PLABEN, anexo IV 1"}},
    /* 12 */
    {u"CONTAMINACIÓN INTERNA",
     {{{u"PLABEN", u"anexo I (contaminación radiactiva); anexo IV 1 (descontaminación de personas)",
        u"«interna cuando penetra en el organismo por cualquier vía de incorporación (inhalación, "
        u"ingestión, percutánea, etc.)»; «hasta la intervención sanitaria cuando la contaminación "
        u"sea interna»"},
       {u"RD 1029/2022", u"art. 4.32",
        u"«Exposición interna: exposición del organismo a fuentes interiores a él»"},
       {kPhysicsKey, u"incorporación de radionucleidos",
        u"Una herida abierta es otra vía de entrada. Lo incorporado irradia hasta que el organismo "
        u"lo elimina o se desintegra."}}},
     {}},
    /* 13 */
    {u"CSN",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"anexo I B", u"«CSN: Consejo de Seguridad Nuclear»"}}},
     {}},
    /* 14 */
    {u"CURIO",
     {{{kPhysicsKey, u"unidades de actividad",
        u"1 Ci = 3,7 × 10^10 Bq, definido a partir de la actividad de un gramo de radio-226; submúltiplos "
        u"mCi y µCi. Las cifras se agrupan de tres en tres con un espacio que no se parte."}}},
     {ChangeKind::Definition,
      u"En «37 000 millones», el espacio entre las cifras ya no se parte al final de una línea.",
      u"Física básica, unidades de actividad"}},
    /* 15 */
    {u"DESCONTAMINACIÓN",
     {{{u"PLABEN", u"anexo I",
        u"«Descontaminación: eliminación o reducción de la contaminación radiactiva de las personas, "
        u"equipos, vehículos, etc., mediante procedimientos adecuados»"},
       {u"PLABEN", u"anexo IV 1 (descontaminación de personas) y 2 (descontaminación de áreas)",
        u"«evita el incremento de la dosis individual y la propagación de la contaminación»; «desde "
        u"el simple despojo de la vestimenta o coberturas, pasando por lavados más o menos "
        u"profundos, hasta la intervención sanitaria cuando la contaminación sea interna»; «La "
        u"descontaminación puede considerarse tanto una medida de protección como una medida de "
        u"recuperación»"},
       {u"PLABEN", u"Tít. III 1.6.2.3", u"En la ECD: «Medida y descontaminación de personas»"}}},
     {ChangeKind::Definition,
      u"«Si es interna» pasa a «si la contaminación es interna», como dice la fuente, y «quitarse la "
      u"ropa», a «desvestirse».",
      u"PLABEN, anexo IV 1"}},
    /* 16 */
    {u"DOSIS ABSORBIDA",
     {{{u"RD 1029/2022", u"art. 4.17 y 4.20",
        u"«la energía absorbida por unidad de masa»; «la energía media impartida por la radiación "
        u"ionizante a la materia»; «La unidad de dosis absorbida es el gray (Gy), donde un gray es "
        u"igual a un julio por kilogramo»; el tipo de radiación lo añade la dosis equivalente: "
        u"«dosis absorbida [...] ponderada en función del tipo y la calidad de la radiación»"}}},
     {}},
    /* 17 */
    {u"DOSIS EFECTIVA",
     {{{u"RD 1029/2022", u"arts. 4.18, 6 c), 15.1 y 67.2 b)",
        u"«suma de las dosis equivalentes ponderadas en todos los tejidos y órganos del cuerpo»; «wT "
        u"es el factor de ponderación tisular del tejido u órgano T»; «La unidad para la dosis "
        u"efectiva es el sievert (Sv)»; «en situaciones de exposición planificada, la suma de las "
        u"dosis recibidas por cualquier persona no superará los límites de dosis establecidos»; «El "
        u"límite de dosis efectiva para los miembros del público será de 1 mSv por año oficial»; "
        u"«Los límites de dosis [...] no se aplicarán en caso de intervención en situaciones de "
        u"emergencia nuclear o radiológica»"},
       {kPhysicsKey, u"riesgo de efectos estocásticos (CIPR, publicación 103)",
        u"La dosis efectiva sirve para estimar el riesgo de efectos estocásticos (cáncer y efectos "
        u"hereditarios); no sirve para los efectos deterministas, que se valoran con la dosis "
        u"absorbida en cada órgano."}}},
     {ChangeKind::Definition,
      u"«Un factor del tejido» pasa a «su factor de ponderación tisular», el nombre que le da el "
      u"reglamento.",
      u"RD 1029/2022, art. 4.18"}},
    /* 18 */
    {u"DOSIS EQUIVALENTE",
     {{{u"RD 1029/2022", u"art. 4.20",
        u"«dosis absorbida, en el tejido u órgano T, ponderada en función del tipo y la calidad de "
        u"la radiación R»; «La unidad para la dosis equivalente es el sievert»"},
       {kPhysicsKey, u"efectividad biológica de las radiaciones",
        u"Con igual dosis absorbida, unas radiaciones (alfa, neutrones) dañan más los tejidos que "
        u"otras (fotones, electrones); por eso se ponderan."}}},
     {}},
    /* 19 */
    {u"ECD",
     {{{u"PLABEN", u"Tít. III 1.6.2.3",
        u"«Municipios sede de estación de clasificación y descontaminación (ECD)»; «Que su casco urbano se "
        u"encuentre fuera de la zona I, lo más cerca posible de su límite, y en un radio no superior a los "
        u"50 km de la central nuclear»; «instalaciones existentes en estos municipios, capaces, una vez "
        u"adaptadas y habilitadas»; «Recepción e identificación de la población evacuada. Recuento y "
        u"clasificación de las personas. Medida y descontaminación de personas. Tránsito, estacionamiento, "
        u"maniobra y descontaminación de vehículos de emergencia»"}}},
     {ChangeKind::Definition,
      u"Los vehículos que se descontaminan en la ECD son los de emergencia: «se mide y descontamina a las "
      u"personas y se descontaminan los vehículos de emergencia».",
      u"PLABEN, Tít. III 1.6.2.3"}},
    /* 20 */
    {u"EFECTOS GENÉTICOS",
     {{{u"PLABEN", u"anexo I («efecto radiológico»), solo para el significado de «genético»",
        u"«consecuencia de tipo somático o genético que se manifiesta en las personas o en su "
        u"descendencia respectivamente»"},
       {kPhysicsKey, u"radiobiología (CIPR, publicación 103)",
        u"No se han observado efectos hereditarios de la radiación en seres humanos; sí en animales "
        u"de experimentación. La CIPR los incluye en el riesgo con el modelo lineal sin umbral, una "
        u"hipótesis prudente, no un hecho observado."}}},
     {ChangeKind::Definition,
      u"«Por daños en sus células reproductoras» pasa a «en las células reproductoras de la persona "
      u"expuesta»: el posesivo podía referirse a los descendientes.",
      u"PLABEN, anexo I («efecto radiológico»)"}},
    /* 21 */
    {u"EFECTOS SOMÁTICOS",
     {{{u"PLABEN", u"anexo I («efecto radiológico», «efectos deterministas», «efectos estocásticos»)",
        u"«consecuencia de tipo somático o genético que se manifiesta en las personas o en su "
        u"descendencia respectivamente»; deterministas: «por manifestarse, por lo general, poco "
        u"después de la exposición y existe un umbral de dosis»; estocásticos: «no se manifiestan "
        u"sino muchos años después de la exposición inicial»; «una gran variedad de cánceres»"},
       {kPhysicsKey, u"radiobiología (CIPR, publicación 103)",
        u"Las cataratas son un efecto determinista que tarda años en aparecer. Que los estocásticos "
        u"no tengan umbral es la hipótesis prudente de la protección radiológica: no se conoce "
        u"ninguno."}}},
     {}},
    /* 22 */
    {u"ELECTRÓN",
     {{{kPhysicsKey, u"partículas del átomo",
        u"Carga del electrón: -1,602 × 10^-19 C; la masa del protón es unas 1836 veces la suya. Los "
        u"electrones forman la corteza atómica; la radiación beta menos son electrones emitidos por "
        u"núcleos."}}},
     {}},
    /* 23 */
    {u"ESCALA INES",
     {{{u"SNE", u"entrada «Escala internacional de sucesos nucleares y radiológicos (rev 1)»",
        u"«La Escala fue elaborada en 1990 por expertos internacionales convocados por el OIEA y la "
        u"Agencia para la Energía Nuclear de la OCDE (AEN/OCDE)»; «para comunicar al público, de "
        u"manera inmediata, sencilla y uniforme, la importancia relativa de cada suceso»"},
       {u"Manual INES", u"figura de la escala",
        u"Niveles 1 a 3 agrupados como «INCIDENTE» y 4 a 7 como «ACCIDENTE»; por debajo, "
        u"«DESVIACIÓN», «SIN SIGNIFICACIÓN PARA LA SEGURIDAD» (nivel 0)"}}},
     {}},
    /* 24 */
    {u"FISIÓN NUCLEAR",
     {{{kPhysicsKey, u"fisión espontánea e inducida; reacción en cadena",
        u"Algunos núcleos pesados se fisionan de forma espontánea; en un reactor, la fisión la provoca la "
        u"absorción de un neutrón. Un núcleo de uranio-235 que absorbe un neutrón se divide en dos "
        u"productos de fisión radiactivos y libera unos 200 MeV y 2 o 3 neutrones, que pueden producir "
        u"nuevas fisiones (reacción en cadena, controlada en un reactor)."}}},
     {ChangeKind::Definition,
      u"Ya no describe solo la fisión inducida: la fisión puede ser espontánea, y en un reactor la provoca "
      u"la absorción de un neutrón.",
      u"Física básica, fisión espontánea e inducida"}},
    /* 25 */
    {u"FUENTE RADIACTIVA",
     {{{u"RD 1029/2022", u"arts. 4.40, 4.42, 4.52, 4.80 y 2.1 a) 4.º",
        u"«Fuente radiactiva: fuente de radiación que contiene material radiactivo a fin de "
        u"aprovechar su radiactividad»; «Fuente de radiación: entidad que puede causar una "
        u"exposición, por ejemplo, por emitir radiación ionizante o por liberar material "
        u"radiactivo»; «Material radiactivo: material que contiene sustancias radiactivas»; "
        u"«Sustancia radiactiva: sustancia que contiene uno o más radionucleidos»; «fuentes "
        u"radiactivas y [...] equipos que incorporen fuentes radiactivas o sean productores de "
        u"radiaciones ionizantes»"},
       {kPhysicsKey, u"fuentes encapsuladas y no encapsuladas",
        u"El material radiactivo de una fuente puede ir sellado en una cápsula (fuente encapsulada) "
        u"o no (fuente no encapsulada). Un tubo de rayos X produce radiación con electricidad y no "
        u"contiene material radiactivo."}}},
     {}},
    /* 26 */
    {u"FUENTES DE RADIACIÓN ARTIFICIAL",
     {{{u"RD 783/2001", u"anexo I («fuentes artificiales»); derogado, citado solo por su definición",
        u"«Fuentes artificiales: fuentes de radiación distintas de las fuentes naturales de "
        u"radiación». El RD 1029/2022, que lo deroga, no define el término."},
       {kPhysicsKey, u"fuentes de radiación",
        u"Los equipos de rayos X, la medicina nuclear, la radioterapia, los usos industriales y de "
        u"investigación, las centrales nucleares y la lluvia radiactiva de los ensayos de armas "
        u"nucleares son fuentes de radiación creadas por el ser humano."}}},
     {}},
    /* 27 */
    {u"FUENTES DE RADIACIÓN NATURAL",
     {{{u"RD 1029/2022", u"arts. 4.39, 4.41, 4.69, 2.2 a) y 77.2",
        u"«Fuentes de radiación natural: fuentes de radiación ionizante de origen natural, terrestre "
        u"o cósmico»; «Fondo radiactivo natural: conjunto de radiaciones ionizantes que provienen de "
        u"fuentes naturales terrestres o cósmicas»; «Radón: el radionucleido Rn-222»; «Los "
        u"radionucleidos contenidos naturalmente en el cuerpo humano, los rayos cósmicos a nivel del "
        u"suelo, y [...] los radionucleidos presentes en la corteza terrestre no alterada»; vías de "
        u"entrada del radón: «el suelo, el agua corriente o los materiales de construcción»"},
       {kPhysicsKey, u"radiactividad natural",
        u"El uranio y el torio son elementos radiactivos de la corteza terrestre; el radón es un gas "
        u"que se forma en el suelo al desintegrarse el radio; el potasio-40 es un isótopo radiactivo "
        u"natural presente en el cuerpo."}}},
     {}},
    /* 28 */
    {u"GRUPO LOGÍSTICO",
     {{{u"PLABEN", u"Tít. III 1.5.5",
        u"«El grupo de apoyo logístico estará constituido por personal del órgano competente en "
        u"materia de protección civil de la comunidad autónoma»; «Transportar, abastecer y albergar "
        u"a la población que lo precise»; «Prestar el servicio de extinción de incendios y "
        u"salvamento»; «Coordinar, en colaboración con las organizaciones de respuesta municipal, la "
        u"actuación de emergencia en los municipios con funciones de ABRS»; «Prestar asistencia "
        u"social a la población»"}}},
     {}},
    /* 29 */
    {u"GRUPO RADIOLÓGICO",
     {{{u"PLABEN", u"Tít. III 1.5.2",
        u"«personal especializado en materia de seguridad nuclear o protección radiológica, procedente del "
        u"CSN o de las entidades públicas o privadas que éste considere adecuadas»; «Caracterizar la "
        u"situación radiológica del área afectada por el accidente»; «Efectuar el control dosimétrico del "
        u"personal que intervenga en la emergencia»; «Medir y evaluar la contaminación externa e interna "
        u"de la población»; «Medir y evaluar la contaminación en vehículos»; «Realizar las actividades de "
        u"gestión de los residuos radiactivos que deban llevarse a cabo en la fase de emergencia»"},
       {kAgreement2023Key, u"acuerdo sexto, apartado 1",
        u"«La participación del CSN [...] se llevará a cabo mediante la Dirección Radiológica de la "
        u"Emergencia, que asumirá las funciones de carácter radiológico establecidas en los planes "
        u"vigentes [...] y en concreto, las asignadas al Grupo Radiológico en los planes exteriores de "
        u"emergencia nuclear»"}}},
     {ChangeKind::Definition,
      u"Sus funciones las asume desde 2023 la Dirección Radiológica de la Emergencia del CSN; la gestión "
      u"de residuos es la de la fase de emergencia, no toda.",
      u"Acuerdo 2023, acuerdo sexto, apartado 1; PLABEN, Tít. III 1.5.2 g)"}},
    /* 30 */
    {u"GRUPO SANITARIO",
     {{{u"PLABEN", u"Tít. III 1.5.4",
        u"«personal sanitario específicamente designado y previamente acreditado por el órgano "
        u"competente en materia de sanidad de la comunidad autónoma»; «profilaxis radiológica y "
        u"descontaminación externa e interna de personas»; «Prestar asistencia sanitaria urgente a "
        u"las personas irradiadas y/o contaminadas»; «Realizar el transporte sanitario»; «Prestar "
        u"asistencia psicológica»"}}},
     {}},
    /* 31 */
    {u"IRRADIACIÓN EXTERNA",
     {{{u"RD 1029/2022", u"arts. 4.31 y 4.1",
        u"«Exposición externa: exposición del organismo a fuentes exteriores a él»; «Activación: proceso "
        u"mediante el cual un nucleido estable se transforma en radionucleido cuando el material en que "
        u"está contenido es irradiado con fotones de alta energía o partículas»"},
       {u"PLABEN", u"anexo IV, introducción",
        u"«La exposición externa es la causada por los radionúclidos en forma de aerosol presentes en la "
        u"nube y por los radionúclidos de la nube que se depositen en el suelo»"},
       {kPhysicsKey, u"protección contra la radiación externa",
        u"La dosis crece con el tiempo de exposición y baja con la distancia y con el blindaje. Unos "
        u"milímetros de aluminio o de plástico detienen la radiación beta; la gamma se atenúa con el "
        u"espesor del blindaje, pero nunca se anula del todo. La radiación gamma y beta de la nube y del "
        u"suelo no tiene energía para activar los núcleos del cuerpo; otra cosa es que se deposite "
        u"material radiactivo sobre él (contaminación)."}}},
     {ChangeKind::Definition,
      u"El blindaje «detiene la beta y atenúa la gamma sin anularla»: antes se decía de toda radiación "
      u"que el blindaje la atenúa sin anularla, lo que solo vale para la gamma.",
      u"Física básica, protección contra la radiación externa"}},
    /* 32 */
    {u"IRRADIACIÓN INTERNA",
     {{{u"RD 1029/2022", u"arts. 4.32 y 4.19",
        u"«Exposición interna: exposición del organismo a fuentes interiores a él»; «como resultado de una "
        u"incorporación»; «Cuando no se especifica el valor de τ, se sobreentiende un período de cincuenta "
        u"años para los adultos o hasta la edad de setenta años para los niños»"},
       {u"PLABEN", u"anexo I (contaminación radiactiva)",
        u"«interna cuando penetra en el organismo por cualquier vía de incorporación (inhalación, "
        u"ingestión, percutánea, etc.)»"},
       {kPhysicsKey, u"incorporación de radionucleidos",
        u"Una herida abierta es otra vía de entrada; lo incorporado irradia hasta que el organismo lo "
        u"elimina o se desintegra."}}},
     {ChangeKind::SourceOnly,
      u"La cita del art. 4.19 escribe la letra griega «τ», como el BOE, donde decía «[tau]».",
      u"RD 1029/2022, art. 4.19"}},
    /* 33 */
    {u"NEUTRÓN",
     {{{kPhysicsKey, u"partículas del átomo",
        u"Masa del neutrón: 1,6749 × 10^-27 kg, algo mayor que la del protón. El neutrón libre se "
        u"desintegra en un protón, un electrón y un antineutrino, con una semivida de unos 10 "
        u"minutos. Sin carga, ioniza de forma indirecta; lo frenan materiales con mucho hidrógeno, "
        u"como el agua y el hormigón."}}},
     {ChangeKind::Definition,
      u"Todo en singular: «los neutrones son muy penetrantes [...]; el agua y el hormigón los frenan» pasa "
      u"a «es muy penetrante [...]; lo frenan el agua y el hormigón», y la semivida se da como periodo de "
      u"semidesintegración.",
      u"Física básica, partículas del átomo"}},
    /* 34 */
    {u"NIVEL CENTRAL DE RESPUESTA",
     {{{u"PLABEN", u"Tít. I 4 b) 2.º y 7 i)",
        u"«El Plan de emergencia nuclear del nivel central de respuesta y apoyo (PENCRA) a los "
        u"anteriores»; «La activación de un PEN supondrá, también, [...] la activación del PENCRA»"},
       {u"PLABEN", u"Tít. III 2, 2.1 y 2.2 d) y e)",
        u"«Atender y gestionar las demandas de medios y recursos extraordinarios»; «El director del PENCRA "
        u"será el titular del órgano del Ministerio del Interior competente en materia de protección "
        u"civil»; «Coordinar la ayuda internacional que se precise»; «Notificar e informar al Organismo "
        u"Internacional de la Energía Atómica, a la Unión Europea y, en su caso, a otros Estados»; "
        u"«Notificar e informar, en su caso, a las autoridades de los países fronterizos»"}}},
     {ChangeKind::Definition,
      u"Notifica al OIEA y a la Unión Europea y, «en su caso», a los países fronterizos: el aviso a estos "
      u"no es siempre.",
      u"PLABEN, Tít. III 2.2 d) y e)"}},
    /* 35 */
    {u"PARTÍCULA ALFA",
     {{{kPhysicsKey, u"desintegración alfa",
        u"La partícula alfa es un núcleo de helio-4 (2 protones y 2 neutrones) emitido por núcleos "
        u"pesados (uranio, radio, plutonio). Ioniza mucho y recorre pocos centímetros en el aire; la "
        u"para una hoja de papel o la capa muerta de la piel. Dentro del cuerpo irradia los tejidos "
        u"vecinos."}}},
     {}},
    /* 36 */
    {u"PARTÍCULA BETA",
     {{{kPhysicsKey, u"desintegración beta",
        u"En la desintegración beta menos un neutrón del núcleo pasa a protón y se emite un "
        u"electrón; en la beta más, un protón pasa a neutrón y se emite un positrón. Alcance: metros "
        u"en el aire, milímetros en tejido; la paran unos milímetros de aluminio. Emisores beta: "
        u"I-131, Cs-137."}}},
     {}},
    /* 37 */
    {u"PENBU",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"art. 2 a)",
        u"«PENBU: plan de emergencia nuclear, exterior a la central nuclear de Santa María de Garoña "
        u"(Burgos)»"}}},
     {}},
    /* 38 */
    {u"PENCA",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"art. 2 b)",
        u"«PENCA: plan de emergencia nuclear, exterior a la central nuclear de Almaraz (Cáceres)»"}}},
     {}},
    /* 39 */
    {u"PENGUA",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"art. 2 c)",
        u"«PENGUA: plan de emergencia nuclear, exterior a las centrales nucleares de José Cabrera y "
        u"Trillo (Guadalajara)»"}}},
     {}},
    /* 40 */
    {u"PENTA",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"art. 2 d)",
        u"«PENTA: plan de emergencia nuclear, exterior a las centrales nucleares de Ascó y Vandellós "
        u"(Tarragona)»"}}},
     {}},
    /* 41 */
    {u"PENVA",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"art. 2 e)",
        u"«PENVA: plan de emergencia nuclear, exterior a la central nuclear de Cofrentes (Valencia)»"}}},
     {}},
    /* 42 */
    {u"PLAN DE EMERGENCIA EXTERIOR",
     {{{u"PLABEN", u"art. 2; Tít. I 4 b) y 5; Tít. III 1.1",
        u"«Los planes de emergencia nuclear, exteriores a las centrales nucleares (PEN)»; un plan "
        u"por provincia en el art. 2 a) a e); «la competencia y responsabilidad de la Administración "
        u"General del Estado abarca todas sus fases [...] sin perjuicio de la necesaria "
        u"participación de servicios, medios y recursos de las restantes Administraciones públicas»; "
        u"«El director del PEN será el Delegado del Gobierno en la comunidad autónoma donde se "
        u"encuentre ubicada la central nuclear. Podrá delegar en el Subdelegado del Gobierno»"}}},
     {}},
    /* 43 */
    {u"PLAN DE EMERGENCIA INTERIOR",
     {{{u"PLABEN", u"Tít. I 4 a)",
        u"«Nivel de respuesta interior o de autoprotección corporativa»; «el plan de emergencia "
        u"interior (PEI) de cada central nuclear [...] elaborado y puesto en práctica bajo el "
        u"control regulador del Consejo de Seguridad Nuclear»"},
       {u"PLABEN", u"Tít. II 3; anexo III, apartado 2",
        u"«El PEI de cada central nuclear clasifica los accidentes previsibles en alguna de las "
        u"cuatro categorías»; «Las categorías de accidentes se enumeran de la I a la IV»; «Se "
        u"indicará la categoría rodeando con círculo el número que corresponda del I al IV»"},
       {u"RD 1217/2024", u"art. 24 d)",
        u"«Detallará las medidas previstas por el titular y la asignación de responsabilidades para "
        u"hacer frente a las condiciones de accidente, con objeto de mitigar sus consecuencias, "
        u"proteger al personal presente en la instalación y comunicar su ocurrencia de forma "
        u"inmediata a las instituciones competentes»"}}},
     {}},
    /* 44 */
    {u"PLANES DE ACTUACIÓN MUNICIPAL",
     {{{u"PLABEN", u"Tít. I 4 b) 1.º; Tít. III 1.6.1 y 3.3; Tít. IV 7.1 c) y 7.1.1 c)",
        u"Los PEN «incluirán los planes de actuación de los grupos operativos y los planes de "
        u"actuación municipal en emergencia nuclear (PAMEN)»; «El director del plan de actuación "
        u"municipal en emergencia nuclear será el alcalde del municipio»; el CECOPAL «Es el puesto "
        u"de mando del director del PAMEN»; «correspondientes a los municipios de zona I, de zona II "
        u"y de aquellos que son sede de ECD o con funciones de ABRS»; «serán aprobados por acuerdo "
        u"del Pleno del ayuntamiento [...] y su aprobación será ratificada por el director del PEN»"}}},
     {}},
    /* 45 */
    {u"PROFILAXIS RADIOLÓGICA",
     {{{u"PLABEN", u"anexo IV 1 (profilaxis radiológica)",
        u"«Consiste en la ingestión de compuestos químicos estables»; «Tanto el yoduro como el "
        u"yodato de potasio son compuestos eficaces que reducen la absorción del yodo radiactivo por "
        u"la glándula tiroides»; «antes de toda incorporación de yodo radiactivo, y si no, lo antes "
        u"posible tras esa incorporación»; «a la mitad, aproximadamente, si el yodo se administra "
        u"tras unas pocas horas de la inhalación»; «La ingestión de yodo debe realizarse siguiendo "
        u"las instrucciones de las autoridades sanitarias»"}}},
     {}},
    /* 46 */
    {u"PROTÓN",
     {{{kPhysicsKey, u"partículas del átomo",
        u"Carga del protón: +1,602 × 10^-19 C, igual y opuesta a la del electrón; masa: 1,6726 × "
        u"10^-27 kg, unas 1836 veces la del electrón. El número de protones es el número atómico Z, "
        u"que fija el elemento."}}},
     {}},
    /* 47 */
    {u"RADIACIÓN IONIZANTE",
     {{{u"RD 1029/2022", u"art. 4.68",
        u"«transferencia de energía en forma de partículas u ondas electromagnéticas de una longitud "
        u"de onda igual o inferior a 100 nanómetros o una frecuencia igual o superior a 3 X 10^15 "
        u"hertzios, capaces de producir iones directa o indirectamente»"},
       {u"LEN", u"art. 2.1",
        u"«\"Radiaciones ionizantes\" son las radiaciones capaces de producir directa o indirectamente "
        u"iones a su paso a través de la materia»"},
       {kPhysicsKey, u"tipos de radiación",
        u"Son ionizantes las partículas alfa y beta, los neutrones y los rayos gamma y X. La luz "
        u"visible (400 a 700 nm), las ondas de radio y las microondas tienen longitudes de onda "
        u"mucho mayores de 100 nm. La ionización puede dañar las células."}}},
     {ChangeKind::Definition,
      u"«La luz» pasa a «la luz visible»: el ultravioleta de menos de 100 nm es ionizante.",
      u"RD 1029/2022, art. 4.68"}},
    /* 48 */
    {u"RADIACTIVIDAD",
     {{{kPhysicsKey, u"desintegración radiactiva",
        u"Henri Becquerel descubrió la radiactividad en 1896. Periodos de semidesintegración: "
        u"yodo-131, unos 8 días; cesio-137, unos 30 años."}}},
     {}},
    /* 49 */
    {u"RAYO GAMMA",
     {{{kPhysicsKey, u"radiación gamma",
        u"Los rayos gamma son fotones de alta energía que emite un núcleo excitado, casi siempre tras una "
        u"desintegración alfa o beta; los rayos X son fotones de la corteza atómica. Penetran mucho; se "
        u"atenúan con plomo, hormigón o agua. En una emergencia nuclear, la dosis externa de la nube y del "
        u"suelo se debe sobre todo a ellos; la radiación beta irradia sobre todo la piel."}}},
     {ChangeKind::Definition,
      u"Es la causa principal de la irradiación externa «en una emergencia nuclear» y «por la nube y el "
      u"suelo», no en general.",
      u"Física básica, radiación gamma"}},
    /* 50 */
    {u"REACTOR NUCLEAR",
     {{{u"LEN", u"art. 2.10",
        u"«\"Reactor nuclear\" es cualquier estructura que contenga combustibles nucleares dispuestos "
        u"de tal modo que dentro de ella pueda tener lugar un proceso automantenido de fisión "
        u"nuclear sin necesidad de una fuente adicional de neutrones»"},
       {u"RD 1217/2024", u"art. 17 b)",
        u"«Los reactores nucleares: cualquier estructura que contenga combustibles nucleares "
        u"dispuestos de tal modo que dentro de ella pueda tener lugar un proceso automantenido de "
        u"fisión nuclear sin necesidad de una fuente adicional de neutrones»"},
       {kPhysicsKey, u"partes de un reactor",
        u"Los reactores térmicos, los de casi todas las centrales, tienen combustible, moderador, "
        u"refrigerante, barras de control y vasija; los reactores rápidos no tienen moderador."}}},
     {}},
    /* 51 */
    {u"RESÍDUO RADIACTIVO",
     {{{u"RD 1029/2022", u"art. 4.71",
        u"«cualquier material o producto de desecho, para el que no está previsto ningún uso, que "
        u"contiene o está contaminado con radionucleidos en concentraciones o niveles de actividad "
        u"superiores a los establecidos por el Ministerio para la Transición Ecológica y el Reto "
        u"Demográfico previo informe favorable del Consejo de Seguridad Nuclear»"},
       {u"RD 102/2014", u"art. 9.1",
        u"«De acuerdo con lo establecido en el apartado 1 del artículo 38 bis de la Ley 25/1964, de "
        u"29 de abril, se encomienda a la \"Empresa Nacional de Residuos Radiactivos, S. A.\" "
        u"(ENRESA), la gestión de los residuos radiactivos»"}}},
     {ChangeKind::Definition,
      u"«El Ministerio» pasa a «el Ministerio para la Transición Ecológica y el Reto Demográfico», como "
      u"dice la definición legal; para que quepa, ENRESA ya no se desarrolla.",
      u"RD 1029/2022, art. 4.71"}},
    /* 52 */
    {u"SACOP",
     {{{kOwnTextKey, u"texto fijo", u"Texto que el glosario conserva letra por letra."},
       {u"PLABEN", u"Tít. III 3.1; anexo I B",
        u"«SACOP: sala de coordinación operativa»; «Forman parte del CECOP la sala de coordinación "
        u"operativa (SACOP), donde se ubicará el órgano ejecutivo»"}}},
     {}},
    /* 53 */
    {u"SALEM",
     {{{u"PLABEN", u"Tít. III 3.5",
        u"«Sala de emergencias del Consejo de Seguridad Nuclear (SALEM)»; «será el centro operativo de la "
        u"organización de respuesta ante emergencias del CSN»; «garantizar su operatividad permanente»; "
        u"«Comunicaciones de voz, datos o señal de video con los centros de coordinación operativa»; «la "
        u"sala de control de cada central nuclear»; «Conexión con las redes de vigilancia radiológica "
        u"automática»; «Herramientas para la evaluación de la situación de la central nuclear accidentada "
        u"y de las consecuencias radiológicas»"},
       {u"PLABEN", u"Tít. III 1.5.2 (funciones de la ORE)",
        u"«Recomendar al director del PEN, a través del jefe del grupo radiológico, las medidas de "
        u"protección»"},
       {kAgreement2023Key, u"acuerdo sexto, apartado 1",
        u"«La participación del CSN [...] se llevará a cabo mediante la Dirección Radiológica de la "
        u"Emergencia, que asumirá las funciones de carácter radiológico establecidas en los planes "
        u"vigentes [...] y en concreto, las asignadas al Grupo Radiológico en los planes exteriores de "
        u"emergencia nuclear»"}}},
     {ChangeKind::SourceOnly,
      u"Se cita el Acuerdo de 2023: las funciones radiológicas del CSN en los planes, y las del grupo "
      u"radiológico por el que recomendaba, las ejerce ahora su Dirección Radiológica de la Emergencia.",
      u"Acuerdo 2023, acuerdo sexto, apartado 1"}},
    /* 54 */
    {u"SECTOR DE ATENCIÓN PREFERENTE",
     {{{u"PLABEN", u"Tít. II 4 c) 1.º y 2.º; anexo V, figura 2",
        u"«el sector circular de la rosa de los vientos de amplitud» pi/8 radianes (22,5 grados) "
        u"«concéntricos con la central nuclear, en el que se encuentra la dirección predominante a la que "
        u"se dirige el viento, junto con los dos sectores adyacentes de la misma amplitud»; «La zona de "
        u"atención preferente es el área geográfica que comprende la subzona I A y el sector de atención "
        u"preferente de la subzona I B»; «en caso de un accidente de categoría IV, se aplicarán de forma "
        u"inmediata las medidas de protección urgentes asociadas a la situación 3»"},
       {u"PLABEN", u"Tít. II 3, tabla I",
        u"Situación 3: «Medidas urgentes principales: Confinamiento. Profilaxis radiológica. Evacuación»"},
       {kAgreement2023Key, u"Estrategia, apartado 3.1, tabla 2",
        u"Categoría IV: «Evacuación», «Hasta 5 km», «En la zona de Atención preferente Inmediata»"}}},
     {ChangeKind::Definition,
      u"Dice que el sector es el que contiene la dirección predominante hacia la que va el viento, con los "
      u"dos adyacentes de igual amplitud, y que en la zona de atención preferente se evacúa de inmediato "
      u"en categoría IV, como también prevé la Estrategia de 2023.",
      u"PLABEN, Tít. II 4 c); Acuerdo 2023, Estrategia, apartado 3.1, tabla 2"}},
    /* 55 */
    {u"SEGURIDAD ASOCIADA",
     {{{u"RD 1217/2024", u"arts. 62.1, 24 c) y f) y 121.1; el término no tiene definición oficial",
        u"«contarán con personal de operación que disponga de una licencia concedida por el Consejo "
        u"de Seguridad Nuclear»; «Especificaciones técnicas de funcionamiento»; «Manual de garantía "
        u"de calidad»; «estarán sometidas al régimen de inspección establecido en este título, a "
        u"llevar a cabo por el Consejo de Seguridad Nuclear»"},
       {u"RD 1400/2018", u"art. 26",
        u"«El titular debe elaborar, documentar e implantar programas de mantenimiento, pruebas, "
        u"vigilancia e inspección»"}}},
     {}},
    /* 56 */
    {u"SEGURIDAD EN EMERGENCIA",
     {{{u"PLABEN", u"Tít. I 4 y 5; el término no tiene definición oficial",
        u"«Reducir el riesgo o mitigar las consecuencias de los accidentes en su origen»; «Evitar o, "
        u"al menos, reducir en lo posible los efectos adversos de las radiaciones ionizantes sobre "
        u"la población»; «el primer objetivo es responsabilidad del titular»; niveles: «plan de "
        u"emergencia interior (PEI)» y «planes de emergencia nuclear, exteriores a las centrales "
        u"nucleares (PEN)»; «la competencia y responsabilidad de la Administración General del "
        u"Estado abarca todas sus fases»"}}},
     {ChangeKind::Definition,
      u"Ya no se define como «seguridad prevista para una emergencia», casi con sus propias palabras, sino "
      u"como la planificación que limita las consecuencias de un accidente.",
      u"PLABEN, Tít. I 4 y 5"}},
    /* 57 */
    {u"SEGURIDAD INCORPORADA",
     {{{u"RD 1400/2018", u"arts. 11 y 16.1; el término no tiene definición oficial",
        u"«aplicar el principio de defensa en profundidad incorporando múltiples niveles de "
        u"protección»; «Disponer de los sistemas de seguridad y procedimientos necesarios para "
        u"llevar la instalación a una condición segura»; «la presencia de mecanismos de seguridad "
        u"nuclear intrínsecos, múltiples barreras físicas y procedimientos, con el objetivo de "
        u"prevenir la emisión incontrolada de material radiactivo»"},
       {u"PLABEN", u"anexo III, apartado 3, solo para los nombres de las barreras",
        u"«integridad de las barreras de contención»: «vaina, primario y contención»"},
       {kPhysicsKey, u"barreras de una central de agua ligera",
        u"La vasija del reactor forma parte del circuito primario."}}},
     {ChangeKind::Definition,
      u"Ya no se define como «seguridad que la central lleva incorporada», casi con sus propias palabras, "
      u"sino como la protección que forma parte de la propia central.",
      u"RD 1400/2018, arts. 11 y 16.1"}},
    /* 58 */
    {u"SIEVERT",
     {{{u"RD 1029/2022", u"arts. 4.77, 6 c), 15.1 y 67.2 b)",
        u"«Sievert (Sv): nombre especial de la unidad de dosis efectiva y equivalente. Un sievert es "
        u"igual a un julio por kilogramo»; «en situaciones de exposición planificada, la suma de las "
        u"dosis recibidas por cualquier persona no superará los límites de dosis establecidos»; «El "
        u"límite de dosis efectiva para los miembros del público será de 1 mSv por año oficial»; "
        u"«Los límites de dosis [...] no se aplicarán en caso de intervención en situaciones de "
        u"emergencia nuclear o radiológica»"},
       {kPhysicsKey, u"unidades de dosis",
        u"El sievert es una unidad del Sistema Internacional; las dosis habituales se dan en "
        u"milisieverts y microsieverts."}}},
     {}},
    /* 59 */
    {u"ZONA BAJO CONTROL DEL EXPLOTADOR",
     {{{u"PLABEN", u"Tít. II 4 a) y b)",
        u"«La zona 0 o zona bajo control del explotador es el área en la que se ubica la central y "
        u"los terrenos que la circundan de los que el titular puede disponer libremente por razones "
        u"de propiedad o de acuerdo con sus propietarios»; «Las dimensiones de esta zona se "
        u"establecen en las condiciones de licenciamiento»; «están especificadas en el PEI de la "
        u"central nuclear»; la zona I «incluye a la zona 0»"}}},
     {}},
    /* 60 */
    {u"ZONAS DE PLANIFICACIÓN",
     {{{u"PLABEN", u"Tít. I 7 g); Tít. II 4",
        u"«unas áreas exteriores a la central nuclear, denominadas \"zonas de planificación\"»; «La "
        u"zona I o zona de medidas de protección urgentes es el círculo de 10 km de radio, "
        u"concéntrico con la central nuclear»; subzonas I A (radio de tres km), I B (de tres a cinco "
        u"km) e I C (de cinco a 10 km); «La zona II o zona de medidas de protección de larga "
        u"duración es la corona circular comprendida entre las circunferencias de radios de 10 y 30 "
        u"km»"}}},
     {}},
}};

// Every entry cites at least one key of kSources and says where in that
// publication its content is; a citation whose key is missing, misspelt or
// follows an unused place stops the build.
constexpr bool everyEntryCitesAKnownSource()
{
    for (const EntrySources& sources : kEntrySources) {
        const std::span<const Citation> cited = citationsOf(sources);
        if (cited.empty())
            return false;
        for (const Citation& citation : sources.citations) {
            const bool used = !citation.key.empty() || !citation.locator.empty() || !citation.words.empty();
            if (used && (!isSourceKey(citation.key) || citation.locator.empty()))
                return false;
        }
        if (cited.size() < sources.citations.size() && !sources.citations[cited.size()].locator.empty())
            return false;
    }
    return true;
}
static_assert(everyEntryCitesAKnownSource(), "an entry cites a source key that kSources does not list");

// No entry presents a criterion that a newer text has replaced: an entry that
// cites a replaced place (kReplacedPlaces) cites the place that replaced it too.
constexpr bool noEntryCitesAReplacedPlaceAlone()
{
    for (const EntrySources& sources : kEntrySources) {
        if (citesAReplacedPlaceAlone(citationsOf(sources)))
            return false;
    }
    return true;
}
static_assert(noEntryCitesAReplacedPlaceAlone(),
              "an entry cites a replaced criterion (kReplacedPlaces) without the text that replaced it");

} // namespace lexidor
